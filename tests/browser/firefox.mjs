// Debian's firefox-esr driven through puppeteer-core over WebDriver BiDi,
// behind the part of playwright's context, page, locator, mouse and keyboard
// API that the tests use, so that a test runs unchanged in both engines.
//
// One firefox serves every context a test file opens (a context is one of its
// user contexts, with its own cache and cookies). Reduced motion is a
// preference of the whole browser in firefox (WebDriver BiDi cannot emulate
// the media feature), so pages asking for it open in a second firefox,
// started the first time one does.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const executablePath = process.env.TURNPIXA_FIREFOX ?? '/usr/bin/firefox-esr';
const defaultViewport = { width: 1000, height: 700 };
const defaultTimeout = 30000;

// The browsers of this process by kind ('plain' or 'reduce'), shared by the
// open contexts and closed shortly after the last of them closes.
const browsers = new Map();
let openContexts = 0;
let closeTimer = null;

const kindPrefs = {
  plain: {},
  reduce: { 'ui.prefersReducedMotion': 1 },
};

async function launch(kind) {
  const profile = await mkdtemp(path.join(tmpdir(), `turnpixa-firefox-${kind}-`));
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath,
    protocol: 'webDriverBiDi',
    headless: true,
    userDataDir: profile,
    defaultViewport: null,
    extraPrefsFirefox: {
      ...kindPrefs[kind],
      // Nothing but the test's own pages talks to the network.
      'network.prefetch-next': false,
      'network.dns.disablePrefetch': true,
      'network.http.speculative-parallel-limit': 0,
      'browser.safebrowsing.malware.enabled': false,
      'browser.safebrowsing.phishing.enabled': false,
    },
  });
  return { browser, profile };
}

function browserOf(kind) {
  if (!browsers.has(kind)) browsers.set(kind, launch(kind));
  return browsers.get(kind);
}

async function closeAll() {
  const all = [...browsers.values()];
  browsers.clear();
  for (const started of all) {
    const { browser, profile } = await started;
    await browser.close();
    await rm(profile, { recursive: true, force: true });
  }
}

function mediaKind(media) {
  if (!media?.reducedMotion || media.reducedMotion === 'no-preference') return 'plain';
  if (media.reducedMotion === 'reduce') return 'reduce';
  throw new Error(`firefox: reducedMotion '${media.reducedMotion}' is not supported`);
}

const contextOptions = new Set(['viewport', 'hasTouch', 'reducedMotion']);

// Takes playwright's context options that firefox can honour: viewport,
// hasTouch (WebDriver BiDi touch input works in every firefox page; the page
// is not told that the device has touch) and reducedMotion.
export async function startFirefox(options = {}) {
  for (const key of Object.keys(options)) {
    if (!contextOptions.has(key)) {
      throw new Error(`firefox: context option '${key}' is not supported`);
    }
  }
  if (closeTimer) clearTimeout(closeTimer);
  closeTimer = null;
  openContexts += 1;
  const context = new FirefoxContext(options);
  await context.userContext(mediaKind(options));
  return {
    context,
    async close() {
      await context.close();
      openContexts -= 1;
      // Another context opened right after this one (the next test file's
      // `before`, a nested suite) reuses the running browsers.
      if (openContexts === 0) {
        await new Promise((resolve) => {
          closeTimer = setTimeout(resolve, 300);
        });
        if (openContexts === 0) await closeAll();
      }
    },
  };
}

export class FirefoxContext {
  #options;
  #userContexts = new Map();
  #pages = new Set();

  constructor(options) {
    this.#options = options;
  }

  get engine() {
    return 'firefox';
  }

  async userContext(kind) {
    if (!this.#userContexts.has(kind)) {
      this.#userContexts.set(
        kind,
        browserOf(kind).then(({ browser }) => browser.createBrowserContext()),
      );
    }
    return this.#userContexts.get(kind);
  }

  // `media` (as playwright's page.emulateMedia takes it) has to be known
  // when the page opens: see reduced motion above.
  async newPage(media) {
    const kind = media?.reducedMotion ? mediaKind(media) : mediaKind(this.#options);
    const inner = await (await this.userContext(kind)).newPage();
    await inner.setViewport(this.#options.viewport ?? defaultViewport);
    // A new tab comes to the front: timers and animation frames of a
    // background tab are throttled.
    await inner.bringToFront();
    const page = new FirefoxPage(inner, this, kind);
    this.#pages.add(page);
    inner.once('close', () => this.#pages.delete(page));
    return page;
  }

  pages() {
    return [...this.#pages];
  }

  async close() {
    for (const page of [...this.#pages]) await page.close();
    for (const userContext of this.#userContexts.values()) await (await userContext).close();
    this.#userContexts.clear();
  }
}

// playwright key names that WebDriver BiDi spells otherwise.
const keyNames = { Space: ' ', ControlOrMeta: 'Control' };
for (let d = 0; d <= 9; d++) keyNames[`Digit${d}`] = String(d);

function keyName(key) {
  return keyNames[key] ?? key;
}

// 'Control+Shift+ArrowLeft' as modifiers and the key; '+' alone is a key.
function chord(keys) {
  const parts = keys.length > 1 ? keys.split('+') : [keys];
  if (parts.at(-1) === '') parts.splice(-2, 2, '+');
  return parts.map(keyName);
}

class Keyboard {
  #inner;

  constructor(inner) {
    this.#inner = inner;
  }

  async press(keys, options = {}) {
    const parts = chord(keys);
    const key = parts.pop();
    for (const m of parts) await this.#inner.down(m);
    await this.#inner.press(key, { delay: options.delay });
    for (const m of parts.reverse()) await this.#inner.up(m);
  }

  down(key) {
    return this.#inner.down(keyName(key));
  }

  up(key) {
    return this.#inner.up(keyName(key));
  }

  type(text, options = {}) {
    return this.#inner.type(text, { delay: options.delay });
  }
}

class Mouse {
  #inner;

  constructor(inner) {
    this.#inner = inner;
  }

  move(x, y, options = {}) {
    return this.#inner.move(x, y, { steps: options.steps ?? 1 });
  }

  down(options = {}) {
    return this.#inner.down({ button: options.button ?? 'left' });
  }

  up(options = {}) {
    return this.#inner.up({ button: options.button ?? 'left' });
  }

  click(x, y, options = {}) {
    return this.#inner.click(x, y, {
      button: options.button ?? 'left',
      count: options.clickCount ?? 1,
      delay: options.delay,
    });
  }

  dblclick(x, y, options = {}) {
    return this.click(x, y, { ...options, clickCount: 2 });
  }

  // playwright's wheel(deltaX, deltaY) at the mouse's position.
  wheel(deltaX, deltaY) {
    return this.#inner.wheel({ deltaX, deltaY });
  }
}

// Firefox names some roles otherwise in its accessibility tree.
const firefoxRoles = { img: 'image' };

function quoted(text) {
  return `"${String(text).replace(/\\/g, '\\\\').replace(/"/g, '\\"')}"`;
}

// Finds elements through a puppeteer selector (CSS, or ::-p-aria(...), which
// asks firefox's own accessibility tree), waiting for one as playwright's
// locators do.
class Locator {
  #page;
  #selector;

  constructor(page, selector) {
    this.#page = page;
    this.#selector = selector;
  }

  async #handle(timeout = defaultTimeout) {
    const handle = await this.#page.waitForSelector(this.#selector, { timeout });
    if (!handle) throw new Error(`firefox: nothing matches ${this.#selector}`);
    return handle;
  }

  async count() {
    return (await this.#page.$$(this.#selector)).length;
  }

  async boundingBox() {
    return (await this.#handle()).boundingBox();
  }

  async evaluate(fn, arg) {
    return (await this.#handle()).evaluate(fn, arg);
  }

  async getAttribute(name) {
    return (await this.#handle()).evaluate((e, n) => e.getAttribute(n), name);
  }

  async isVisible() {
    const handle = await this.#page.$(this.#selector);
    return handle ? handle.isVisible() : false;
  }

  async waitFor(options = {}) {
    const state = options.state ?? 'visible';
    const timeout = options.timeout ?? defaultTimeout;
    if (state === 'attached') await this.#handle(timeout);
    else if (state === 'visible') {
      await this.#page.waitForSelector(this.#selector, { visible: true, timeout });
    } else await this.#page.waitForSelector(this.#selector, { hidden: true, timeout });
  }

  async focus() {
    await (await this.#handle()).focus();
  }

  async hover() {
    await (await this.#handle()).hover();
  }

  async click(options = {}) {
    const count = options.clickCount ?? 1;
    await (await this.#handle()).click({ count, button: options.button ?? 'left' });
  }

  async dblclick(options = {}) {
    await this.click({ ...options, clickCount: 2 });
  }

  async press(keys) {
    await this.focus();
    await new Keyboard(this.#page.keyboard).press(keys);
  }

  async screenshot(options = {}) {
    return (await this.#handle()).screenshot({ path: options.path });
  }
}

export class FirefoxPage {
  #inner;
  #context;

  constructor(inner, context, kind) {
    this.#inner = inner;
    this.#context = context;
    this.kind = kind;
    this.mouse = new Mouse(inner.mouse);
    this.keyboard = new Keyboard(inner.keyboard);
    this.touchscreen = inner.touchscreen;
  }

  // The puppeteer page itself, for what only firefox has.
  get puppeteer() {
    return this.#inner;
  }

  context() {
    return this.#context;
  }

  async addInitScript(script, arg) {
    if (typeof script === 'function') await this.#inner.evaluateOnNewDocument(script, arg);
    else await this.#inner.evaluateOnNewDocument(script);
  }

  async emulateMedia(media) {
    if (mediaKind(media) !== this.kind) {
      throw new Error('firefox: reduced motion is chosen when the page opens (openPage takes it)');
    }
  }

  async goto(url, options = {}) {
    const waits = {
      load: 'load',
      domcontentloaded: 'domcontentloaded',
      networkidle: 'networkidle0',
    };
    const waitUntil = waits[options.waitUntil ?? 'load'];
    return this.#inner.goto(url, { waitUntil, timeout: options.timeout });
  }

  async reload(options = {}) {
    const waitUntil = options.waitUntil === 'domcontentloaded' ? 'domcontentloaded' : 'load';
    return this.#inner.reload({ waitUntil });
  }

  // request, requestfailed, response, pageerror and console carry what
  // playwright's do for url(), status(), text() and String(error).
  on(event, listener) {
    this.#inner.on(event, listener);
    return this;
  }

  off(event, listener) {
    this.#inner.off(event, listener);
    return this;
  }

  evaluate(fn, arg) {
    return this.#inner.evaluate(fn, arg);
  }

  waitForFunction(fn, arg, options = {}) {
    const timeout = options.timeout ?? defaultTimeout;
    return this.#inner.waitForFunction(fn, { timeout, polling: options.polling ?? 'raf' }, arg);
  }

  waitForTimeout(ms) {
    return new Promise((resolve) => setTimeout(resolve, ms));
  }

  locator(selector) {
    return new Locator(this.#inner, selector);
  }

  // Exact names only: firefox matches the accessible name whole.
  getByRole(role, options = {}) {
    const name = options.name === undefined ? '' : `[name=${quoted(options.name)}]`;
    if (options.name !== undefined && options.exact !== true) {
      throw new Error('firefox: getByRole matches exact names only ({ exact: true })');
    }
    const firefoxRole = quoted(firefoxRoles[role] ?? role);
    return new Locator(this.#inner, `::-p-aria(${name}[role=${firefoxRole}])`);
  }

  async screenshot(options = {}) {
    const shot = await this.#inner.screenshot({
      path: options.path,
      fullPage: options.fullPage ?? false,
      clip: options.clip,
    });
    return Buffer.from(shot);
  }

  viewportSize() {
    return this.#inner.viewport();
  }

  setViewportSize(size) {
    return this.#inner.setViewport(size);
  }

  bringToFront() {
    return this.#inner.bringToFront();
  }

  url() {
    return this.#inner.url();
  }

  title() {
    return this.#inner.title();
  }

  content() {
    return this.#inner.content();
  }

  isClosed() {
    return this.#inner.isClosed();
  }

  async close() {
    if (!this.#inner.isClosed()) await this.#inner.close();
  }
}

// Records a page's requests, failed requests and responses as openPage does
// in Chromium. Firefox reports every answer from its image cache (a frame
// shown again) as a request and a response of its own, which Chromium does
// not; those are left out, so a request is recorded once its answer starts
// or it fails, in the order the page made the requests.
export function recordFirefoxNetwork(page, record) {
  const pending = [];
  const settle = (request, outcome) => {
    const entry = pending.find((e) => e.request === request && !e.outcome);
    if (entry) entry.outcome = outcome;
    while (pending.length > 0 && pending[0].outcome) {
      const done = pending.shift();
      if (done.outcome !== 'cache') record.requests.push(done.url);
      if (done.outcome === 'failed') record.failed.push(done.url);
    }
  };
  page.on('request', (r) => pending.push({ request: r, url: r.url(), outcome: null }));
  page.on('requestfailed', (r) => settle(r, 'failed'));
  page.on('response', (r) => {
    if (!r.fromCache()) record.responses.push({ url: r.url(), status: r.status() });
    settle(r.request(), r.fromCache() ? 'cache' : 'network');
  });
}
