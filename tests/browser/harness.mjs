// Loopback HTTP server over a written output set, and the browser a test
// file runs in: Debian's Chromium driven through playwright-core, or with
// TURNPIXA_ENGINE=firefox Debian's firefox-esr driven through puppeteer-core
// over WebDriver BiDi (firefox.mjs, behind the same page API).
import { createServer, request as httpRequest } from 'node:http';
import { mkdtemp, readFile, readdir, rm, stat } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';
import { FirefoxContext, recordFirefoxNetwork, startFirefox } from './firefox.mjs';

// 'chromium' or 'firefox'.
export const engine = process.env.TURNPIXA_ENGINE ?? 'chromium';
if (!['chromium', 'firefox'].includes(engine)) {
  throw new Error(`TURNPIXA_ENGINE is '${engine}': chromium or firefox`);
}

// Whether a touch the test makes goes through the browser's own gesture
// handling, so that a swipe can scroll the page. Chromium's input pipeline
// does; firefox's WebDriver touch input is dispatched to the page's DOM
// alone and never pans.
export const touchScrolls = engine === 'chromium';

const contentTypes = {
  '.htm': 'text/html; charset=utf-8',
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.jpg': 'image/jpeg',
  '.png': 'image/png',
  '.gif': 'image/gif',
  '.webp': 'image/webp',
};

// Serves `root` under /<session>/... so that every test gets URLs of its
// own and no test sees frames another one left in the browser's caches.
// Extra pages (made by a test) are served from memory at /<session>/<name>.
export async function startServer(root) {
  const log = [];
  const extra = new Map();
  const rootAbs = path.resolve(root);
  const server = createServer(async (req, res) => {
    const url = new URL(req.url, 'http://localhost');
    const parts = decodeURIComponent(url.pathname).split('/').filter(Boolean);
    const entry = { session: parts[0] ?? '', path: parts.slice(1).join('/'), status: null };
    log.push(entry);
    const reply = (status, type, body) => {
      entry.status = status;
      res.writeHead(status, { 'Content-Type': type, 'Content-Length': body.length });
      res.end(req.method === 'HEAD' ? undefined : body);
    };
    if (extra.has(entry.path)) {
      reply(200, contentTypes['.htm'], Buffer.from(extra.get(entry.path)));
      return;
    }
    const file = path.resolve(rootAbs, entry.path);
    if (parts.length < 2 || !file.startsWith(rootAbs + path.sep)) {
      reply(404, 'text/plain', Buffer.from('not found'));
      return;
    }
    try {
      const info = await stat(file);
      if (!info.isFile()) throw new Error('not a file');
      const type = contentTypes[path.extname(file).toLowerCase()] ?? 'application/octet-stream';
      reply(200, type, await readFile(file));
    } catch {
      reply(404, 'text/plain', Buffer.from('not found'));
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = `http://127.0.0.1:${server.address().port}`;
  let sessions = 0;
  return {
    log,
    // A fresh URL prefix, ending in '/'.
    session() {
      sessions += 1;
      return `s${sessions}`;
    },
    url(session, name) {
      return `${base}/${session}/${name}`;
    },
    addPage(name, html) {
      extra.set(name, html);
    },
    close() {
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

const chromiumArgs = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--no-first-run',
  '--disable-quic',
];

// `options` (playwright's context options) replace the defaults, e.g. a
// phone-sized viewport with touch. The browser is the engine's (firefox
// takes viewport, hasTouch and reducedMotion).
export async function startBrowser(options = {}) {
  if (engine === 'firefox') return startFirefox(options);
  const profile = await mkdtemp(path.join(tmpdir(), 'turnpixa-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.TURNPIXA_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: chromiumArgs,
    viewport: { width: 1000, height: 700 },
    ...options,
  });
  return {
    context,
    async close() {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// The frame files of a written set, as numbers, read from the disk.
export async function frameNumbersOnDisk(folder, suffix) {
  const numbers = [];
  const pattern = new RegExp(`^image_(\\d{3,})\\${suffix}$`);
  for (const name of await readdir(folder)) {
    const m = pattern.exec(name);
    if (m) numbers.push(Number(m[1]));
  }
  return numbers.sort((a, b) => a - b);
}

// Opens a page and records every request, response and script error on it
// (in firefox without the answers from its image cache, as in Chromium);
// `init` runs in the page before any of its own scripts, `media` (as
// page.emulateMedia takes it) applies from the start. `waitUntil` is
// 'load' or 'domcontentloaded': the load event waits for the images a script
// started before it, and firefox starts a viewer's frames early enough that
// it waits for all of them.
export async function openPage(context, url, init, media, waitUntil = 'load') {
  const firefox = context instanceof FirefoxContext;
  const page = firefox ? await context.newPage(media) : await context.newPage();
  if (init) await page.addInitScript(init);
  if (media && !firefox) await page.emulateMedia(media);
  const record = { requests: [], failed: [], responses: [], errors: [] };
  if (firefox) {
    recordFirefoxNetwork(page, record);
  } else {
    page.on('request', (r) => record.requests.push(r.url()));
    page.on('requestfailed', (r) => record.failed.push(r.url()));
    page.on('response', (r) => record.responses.push({ url: r.url(), status: r.status() }));
  }
  page.on('pageerror', (e) => record.errors.push(String(e)));
  await page.goto(url, { waitUntil });
  return { page, record };
}

// A loopback server in front of another (`upstream`, e.g. 'http://127.0.0.1:port')
// that holds back each reply by `delayFor(path)` milliseconds, as a slow
// network would, and notes when each request came and its reply was done.
export async function startSlowProxy(upstream, delayFor) {
  const target = new URL(upstream);
  const log = [];
  const server = createServer((req, res) => {
    const entry = { path: decodeURIComponent(req.url), asked: Date.now(), done: null };
    log.push(entry);
    setTimeout(() => {
      const forward = httpRequest(
        { host: target.hostname, port: target.port, path: req.url, method: req.method },
        (reply) => {
          res.writeHead(reply.statusCode, reply.headers);
          reply.pipe(res);
          reply.on('end', () => {
            entry.done = Date.now();
          });
        },
      );
      forward.on('error', () => {
        res.writeHead(502);
        res.end();
      });
      forward.end();
    }, delayFor(entry.path));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = `http://127.0.0.1:${server.address().port}`;
  return {
    log,
    url(session, name) {
      return `${base}/${session}/${name}`;
    },
    close() {
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

// Fingers on the screen of a page opened by openPage: down and move take one
// point (x, y) or several ([{x, y}, …], the same count each time), up lifts
// them all. Chromium gets them through its own input pipeline (the browser
// decides itself between scrolling and handing the moves to the page),
// firefox as WebDriver BiDi touch actions.
export async function touch(page) {
  const points = (x, y) => (Array.isArray(x) ? x : [{ x, y }]);
  if (page.context() instanceof FirefoxContext) {
    const screen = page.puppeteer.touchscreen;
    let fingers = [];
    return {
      async down(x, y) {
        for (const p of points(x, y)) fingers.push(await screen.touchStart(p.x, p.y));
      },
      async move(x, y) {
        const to = points(x, y);
        for (let i = 0; i < fingers.length; i++) await fingers[i].move(to[i].x, to[i].y);
      },
      async up() {
        for (const f of fingers) await f.end();
        fingers = [];
      },
    };
  }
  const cdp = await page.context().newCDPSession(page);
  const send = (type, touchPoints) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints });
  const withIds = (x, y) => points(x, y).map((p, id) => ({ x: p.x, y: p.y, id }));
  return {
    down: (x, y) => send('touchStart', withIds(x, y)),
    move: (x, y) => send('touchMove', withIds(x, y)),
    up: async () => {
      await send('touchEnd', []);
      await cdp.detach();
    },
  };
}
