// Drives pages written by turnpixa-cli in a real browser (harness.mjs): the still image
// first, drag stepping, a drag before the preload, auto spin, two viewers on
// one page, and that every frame the viewer script asks for exists and is
// fetched once; then touch on a phone-sized page, keys, the accessible name
// and reduced motion.
//
// TURNPIXA_SET_DIR   folder holding the written set (required)
// TURNPIXA_PAGE      page without auto spin, default spin.htm
// TURNPIXA_AUTO_PAGE page written with --auto-spin 100 (WebP, with zoom frames), default auto.htm
// TURNPIXA_REVERSE_PAGE page written with --auto-spin -100, default reverse.htm
// TURNPIXA_FRAMES    number of photos the set was written from (optional)
// TURNPIXA_SCREENSHOT  where to save a screenshot of the spinning page
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import {
  frameNumbersOnDisk,
  openPage,
  startBrowser,
  startServer,
  touch,
  touchScrolls,
} from './harness.mjs';

const setDir = process.env.TURNPIXA_SET_DIR;
const pageName = process.env.TURNPIXA_PAGE ?? 'spin.htm';
const autoPageName = process.env.TURNPIXA_AUTO_PAGE ?? 'auto.htm';
const reversePageName = process.env.TURNPIXA_REVERSE_PAGE ?? 'reverse.htm';
const autoInterval = 100;

let server;
let browser;

// What the rules say a page called <stem>.htm refers to.
function expectedNames(name, suffix) {
  const stem = name.slice(0, -4);
  const folder = `${stem}-turnpixa`;
  return { folder, still: `${folder}/image${suffix}`, prefix: `${folder}/image_` };
}

async function readSet(name) {
  const html = await readFile(path.join(setDir, name), 'utf8');
  const img = /<img id='turnpixa1' src='([^']*)' width='(\d+)' height='(\d+)'>/.exec(html);
  assert.ok(img, `${name} has the turnpixa1 img element`);
  const call =
    /AddTurnPixa\('turnpixa1','([^']*)',(\d+),(-?\d+),(\d+),'([^']*)'(?:,\{zoomWidth:(\d+),zoomHeight:(\d+)\})?\);/.exec(
      html,
    );
  assert.ok(call, `${name} registers turnpixa1`);
  const suffix = call[5];
  const names = expectedNames(name, suffix);
  assert.equal(img[1], names.still);
  assert.equal(call[1], names.prefix);
  const onDisk = await frameNumbersOnDisk(path.join(setDir, names.folder), suffix);
  const n = Number(call[2]);
  assert.deepEqual(onDisk, [...Array(n).keys()], 'frame files 000 … N-1 exist and nothing else');
  if (process.env.TURNPIXA_FRAMES) assert.equal(n, Number(process.env.TURNPIXA_FRAMES));
  if (call[6]) {
    // Large frames: the same names in zoom/, announced after the six arguments.
    const zoomed = await frameNumbersOnDisk(path.join(setDir, names.folder, 'zoom'), suffix);
    assert.deepEqual(zoomed, [...Array(n).keys()], 'zoom/ holds a large frame for each frame');
  }
  return {
    html,
    n,
    suffix,
    names,
    width: Number(img[2]),
    height: Number(img[3]),
    autoSpin: Number(call[3]),
  };
}

// 'still', a frame number, or the unexpected src itself.
function shown(src, set) {
  const file = decodeURIComponent(new URL(src).pathname.split('/').slice(2).join('/'));
  if (file === set.names.still) return 'still';
  if (file.startsWith(set.names.prefix) && file.endsWith(set.suffix)) {
    const digits = file.slice(set.names.prefix.length, -set.suffix.length);
    // At least three digits, zero-padded: image_007, image_120, image_1000.
    if (/^\d+$/.test(digits) && digits === String(Number(digits)).padStart(3, '0')) {
      return Number(digits);
    }
  }
  return src;
}

async function frameOf(page, id, set) {
  return shown(await page.evaluate((i) => document.getElementById(i).src, id), set);
}

function frameRequests(record, set) {
  return record.requests.map((u) => shown(u, set)).filter((f) => typeof f === 'number');
}

async function waitForPreload(record, set, count) {
  const deadline = Date.now() + 10000;
  while (frameRequests(record, set).length < count) {
    assert.ok(Date.now() < deadline, 'the viewer preloads its frames');
    await new Promise((r) => setTimeout(r, 50));
  }
}

// The image has loaded and decoded at the size the page gives.
async function assertLoaded(page, id, set) {
  const handle = page.locator(`#${id}`);
  await page.waitForFunction((i) => {
    const e = document.getElementById(i);
    return e.complete && e.naturalWidth > 0;
  }, id);
  const size = await handle.evaluate((e) => [e.naturalWidth, e.naturalHeight]);
  assert.deepEqual(size, [set.width, set.height], `${id} shows a ${set.width}x${set.height} image`);
}

// Every request of a session reached a file that exists, none failed, and the
// page ran without script errors.
async function assertAllServed(session, record) {
  const entries = server.log.filter((e) => e.session === session && e.path !== 'favicon.ico');
  assert.ok(entries.length > 0);
  const deadline = Date.now() + 10000;
  while (entries.some((e) => e.status === null)) {
    assert.ok(Date.now() < deadline, 'the server answers every request');
    await new Promise((r) => setTimeout(r, 20));
  }
  assert.deepEqual(
    entries.filter((e) => e.status !== 200).map((e) => e.path),
    [],
    'no request answered with an error',
  );
  assert.deepEqual(record.failed, [], 'no request failed');
  assert.deepEqual(record.errors, [], 'no script errors');
}

function served(session, file) {
  return server.log.filter((e) => e.session === session && e.path === file).length;
}

// Keeps every change of an img src with its time, and whether the page let
// the browser handle mouse events itself, from before the page runs.
function recordSrcChanges() {
  window.srcChanges = [];
  new MutationObserver((list) => {
    for (const m of list) {
      window.srcChanges.push({ t: performance.now(), id: m.target.id, src: m.target.src });
    }
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['src'] });
  window.mouseEvents = [];
  for (const type of ['mousedown', 'mousemove', 'dragstart', 'selectstart']) {
    window.addEventListener(type, (e) => {
      window.mouseEvents.push({ type, target: e.target.id ?? '', prevented: e.defaultPrevented });
    });
  }
}

async function srcChanges(page, id, set) {
  const all = await page.evaluate(() => window.srcChanges);
  return all.filter((c) => c.id === id).map((c) => ({ t: c.t, frame: shown(c.src, set) }));
}

// Preload order for N frames: auto spin forward loads 1 … N-1, backward
// N-1 … 1; no auto spin covers the turn evenly: the middle of each gap in
// turn, breadth first, the quarters before the opposite side (9, 27, 18,
// 4, 13, … for 36). The start frame comes last, as the still image shows it
// meanwhile.
function preloadOrder(n, interval) {
  const order = [];
  if (interval === 0) {
    const gaps = [[0, n]];
    while (gaps.length > 0) {
      const [from, length] = gaps.shift();
      if (length < 2) continue;
      const middle = from + (length >> 1);
      order.push(middle);
      gaps.push([from, middle - from], [middle, from + length - middle]);
    }
    if (n > 2) order.splice(2, 0, order.shift());
  } else {
    for (let i = 1; i < n; i++) order.push(interval > 0 ? i : n - i);
  }
  order.push(0);
  return order;
}

async function centreOf(page, id) {
  const box = await page.locator(`#${id}`).boundingBox();
  return { x: Math.round(box.x + box.width / 2), y: Math.round(box.y + box.height / 2), box };
}

function twinPage(html, secondInterval) {
  const img = /^(\s*<img id=')turnpixa1('.*)$/m;
  const call = /^AddTurnPixa\('turnpixa1',('[^']*',\d+,)(-?\d+)(,.*)$/m;
  assert.match(html, img);
  assert.match(html, call);
  return html
    .replace(img, (line, a, b) => `${line}\n${a}turnpixa2${b}`)
    .replace(call, (line, a, _b, c) => `${line}\nAddTurnPixa('turnpixa2',${a}${secondInterval}${c}`);
}

// Opens a page of the set under URLs of its own.
async function load(name, init, media, context = browser.context) {
  const session = server.session();
  const { page, record } = await openPage(context, server.url(session, name), init, media);
  return { session, page, record };
}

before(async () => {
  assert.ok(setDir, 'TURNPIXA_SET_DIR names the folder with the written set');
  server = await startServer(setDir);
  browser = await startBrowser();
});

after(async () => {
  await browser?.close();
  await server?.close();
});

describe('page without auto spin', () => {
  test('shows the still image, preloads every frame once and stays still', async () => {
    const set = await readSet(pageName);
    assert.equal(set.autoSpin, 0);
    const { session, page, record } = await load(pageName);
    assert.equal(await frameOf(page, 'turnpixa1', set), 'still');
    await assertLoaded(page, 'turnpixa1', set);
    await waitForPreload(record, set, set.n);
    await page.waitForTimeout(500);
    assert.deepEqual(frameRequests(record, set), preloadOrder(set.n, 0));
    assert.equal(await frameOf(page, 'turnpixa1', set), 'still', 'no spin without auto spin');
    assert.equal(await page.locator('#turnpixa1').evaluate((e) => e.style.cursor), 'e-resize');
    for (let k = 0; k < set.n; k++) {
      const name = `${set.names.prefix}${String(k).padStart(3, '0')}${set.suffix}`;
      assert.equal(served(session, name), 1, `${name} fetched once`);
    }
    await assertAllServed(session, record);
    await page.close();
  });

  test('dragging steps one frame per 360/N pixels, from the last step', async () => {
    const set = await readSet(pageName);
    assert.equal(set.n, 36, 'the drag distances below are worked out for 36 frames');
    const { session, page, record } = await load(pageName, recordSrcChanges);
    await waitForPreload(record, set, set.n);
    const { x, y, box } = await centreOf(page, 'turnpixa1');
    await page.mouse.move(x, y);
    await page.evaluate(() => window.mouseEvents.splice(0));
    await page.mouse.down();
    assert.equal(await frameOf(page, 'turnpixa1', set), 'still', 'mouse-down alone changes nothing');
    // [x offset from the mouse-down point, frame expected after the move]
    const moves = [
      [10, 1], // 10 px right: 10 * 36 / 360 = 1 step
      [14, 1], // 4 px more: 0.4 rounds to 0
      [15, 2], // 5 px from the last step: 0.5 rounds up
      [10, 2], // 5 px back: -0.5 rounds to 0
      [9, 1], // 6 px back from the last step: one step back
      [-11, 35], // 20 px left: two steps back past frame 0
      [box.x - 51 - x, 21], // 140 px left, off the image: 14 steps back
    ];
    for (const [dx, frame] of moves) {
      await page.mouse.move(x + dx, y, { steps: 1 });
      assert.equal(await frameOf(page, 'turnpixa1', set), frame, `after moving to ${dx} px`);
    }
    await assertLoaded(page, 'turnpixa1', set);
    // The browser does nothing of its own: no image drag, no selection.
    const events = await page.evaluate(() => window.mouseEvents.splice(0));
    assert.deepEqual(
      events.filter((e) => !e.prevented || e.type === 'dragstart' || e.type === 'selectstart'),
      [],
      'every mouse event of the drag is handled by the viewer alone',
    );
    assert.deepEqual(
      events.map((e) => e.type),
      ['mousedown', ...moves.map(() => 'mousemove')],
    );
    await page.mouse.up();
    await page.mouse.move(x + 200, y, { steps: 1 });
    assert.equal(await frameOf(page, 'turnpixa1', set), 21, 'mouse-up ends the drag');
    // A press beside the image starts no drag.
    await page.mouse.move(box.x + box.width + 40, y);
    await page.mouse.down();
    await page.mouse.move(box.x + box.width + 140, y, { steps: 1 });
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa1', set), 21, 'only the image starts a drag');
    // A second drag continues from the frame shown.
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + 30, y, { steps: 1 });
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa1', set), 24);
    await assertAllServed(session, record);
    await page.close();
  });
});

// Keeps back the viewer's preload timer, so that the page stays as it is in
// its first 100 ms.
function holdPreload() {
  const setTimer = window.setTimeout;
  window.heldPreloads = [];
  window.setTimeout = function (code, ...rest) {
    if (typeof code === 'string' && code.startsWith('PreLoad(')) {
      window.heldPreloads.push(code);
      return 0;
    }
    return setTimer.call(window, code, ...rest);
  };
}

describe('a drag before the preload timer', () => {
  test('turns through the frames loaded at once and raises no error', async () => {
    const set = await readSet(pageName);
    const { page, record } = await load(pageName, holdPreload);
    assert.deepEqual(await page.evaluate(() => window.heldPreloads), ['PreLoad(1)']);
    const { x, y } = await centreOf(page, 'turnpixa1');
    await page.mouse.move(x, y);
    await page.mouse.down();
    for (const dx of [10, 30, -20]) await page.mouse.move(x + dx, y, { steps: 1 });
    await page.mouse.up();
    // The frames do not wait for the timer: the drag turns through those
    // already in, or shows the still while none is.
    const shown = await frameOf(page, 'turnpixa1', set);
    assert.ok(shown === 'still' || typeof shown === 'number', `shows a frame (${shown})`);
    assert.deepEqual(record.errors, [], 'no script errors');
    await page.close();
  });
});

describe('page with auto spin', () => {
  test('spins forward frame by frame and stops for good on a mouse-down', async () => {
    const set = await readSet(autoPageName);
    assert.equal(set.autoSpin, autoInterval);
    const { session, page, record } = await load(autoPageName, recordSrcChanges);
    // Preload in showing order, then frames 1, 2, … at the interval.
    await waitForPreload(record, set, set.n);
    const preloaded = frameRequests(record, set).slice(0, set.n);
    assert.deepEqual(preloaded, preloadOrder(set.n, autoInterval));
    const wanted = set.n + 4; // past frame 0 again
    await page.waitForFunction((k) => window.srcChanges.length >= k, wanted, { timeout: 20000 });
    const changes = await srcChanges(page, 'turnpixa1', set);
    const frames = changes.map((c) => c.frame);
    const expected = [...Array(frames.length).keys()].map((i) => (i + 1) % set.n);
    assert.deepEqual(frames, expected, 'each tick shows the next frame, wrapping after N-1');
    const gaps = changes.slice(1).map((c, i) => c.t - changes[i].t).sort((a, b) => a - b);
    const median = gaps[gaps.length >> 1];
    assert.ok(median >= autoInterval * 0.8, `ticks no faster than the interval (${median} ms)`);
    await assertLoaded(page, 'turnpixa1', set);
    if (process.env.TURNPIXA_SCREENSHOT) {
      await page.screenshot({ path: process.env.TURNPIXA_SCREENSHOT });
    }

    const { x, y } = await centreOf(page, 'turnpixa1');
    await page.mouse.move(x, y);
    await page.mouse.down();
    const stoppedAt = await frameOf(page, 'turnpixa1', set);
    const count = (await srcChanges(page, 'turnpixa1', set)).length;
    await page.waitForTimeout(autoInterval * 5);
    await page.mouse.up();
    await page.waitForTimeout(autoInterval * 5);
    const after = await srcChanges(page, 'turnpixa1', set);
    assert.equal(after.length, count, 'no tick after the mouse-down');
    assert.equal(await frameOf(page, 'turnpixa1', set), stoppedAt);
    // Dragging still works after the spin stopped.
    await page.mouse.down();
    await page.mouse.move(x - 10, y, { steps: 1 });
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa1', set), (stoppedAt - 1 + set.n) % set.n);
    await assertAllServed(session, record);
    await page.close();
  });

  test('a negative interval preloads and spins backwards', async () => {
    const set = await readSet(reversePageName);
    assert.equal(set.autoSpin, -autoInterval);
    const { session, page, record } = await load(reversePageName, recordSrcChanges);
    // The still shows until the first tick; on a busy machine that tick may
    // already have come, and then the recorded changes start from the still.
    const shown = await frameOf(page, 'turnpixa1', set);
    if (shown !== 'still') assert.ok((await srcChanges(page, 'turnpixa1', set)).length > 0);
    await assertLoaded(page, 'turnpixa1', set);
    await waitForPreload(record, set, set.n);
    assert.deepEqual(frameRequests(record, set), preloadOrder(set.n, -autoInterval));
    await page.waitForFunction(() => window.srcChanges.length >= 5);
    const frames = (await srcChanges(page, 'turnpixa1', set)).map((c) => c.frame);
    assert.deepEqual(frames, [...Array(frames.length).keys()].map((i) => set.n - 1 - (i % set.n)));
    await assertLoaded(page, 'turnpixa1', set);
    await assertAllServed(session, record);
    await page.close();
  });
});

describe('two viewers on one page', () => {
  test('only the dragged viewer follows the mouse', async () => {
    const set = await readSet(pageName);
    server.addPage('twin-still.htm', twinPage(set.html, 0));
    const { session, page, record } = await load('twin-still.htm');
    await page.waitForTimeout(500);
    await waitForPreload(record, set, set.n);
    const second = await centreOf(page, 'turnpixa2');
    const first = await centreOf(page, 'turnpixa1');
    assert.notDeepEqual(first.box, second.box);

    await page.mouse.move(second.x, second.y);
    await page.mouse.down();
    await page.mouse.move(second.x + 30, second.y, { steps: 1 });
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa2', set), 3);
    assert.equal(await frameOf(page, 'turnpixa1', set), 'still');

    await page.mouse.move(first.x, first.y);
    await page.mouse.down();
    await page.mouse.move(first.x - 10, first.y, { steps: 1 });
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa1', set), set.n - 1);
    assert.equal(await frameOf(page, 'turnpixa2', set), 3);
    await assertLoaded(page, 'turnpixa1', set);
    await assertLoaded(page, 'turnpixa2', set);
    await assertAllServed(session, record);
    await page.close();
  });

  test('dragging one viewer leaves the other spinning; stopping one leaves the other', async () => {
    const set = await readSet(pageName);
    server.addPage('twin-spin.htm', twinPage(set.html, autoInterval));
    const { session, page, record } = await load('twin-spin.htm', recordSrcChanges);
    await page.waitForFunction(() => window.srcChanges.length >= 2);
    assert.equal(await frameOf(page, 'turnpixa1', set), 'still', 'the first viewer does not spin');

    const first = await centreOf(page, 'turnpixa1');
    await page.mouse.move(first.x, first.y);
    await page.mouse.down();
    await page.mouse.move(first.x + 10, first.y, { steps: 1 });
    const before = (await srcChanges(page, 'turnpixa2', set)).length;
    await page.waitForTimeout(autoInterval * 5);
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa1', set), 1);
    const spun = await srcChanges(page, 'turnpixa2', set);
    assert.ok(spun.length > before, 'the second viewer keeps spinning');
    const ones = await srcChanges(page, 'turnpixa1', set);
    assert.deepEqual(ones.map((c) => c.frame), [1], 'the first viewer moved only with the drag');

    const second = await centreOf(page, 'turnpixa2');
    await page.mouse.move(second.x, second.y);
    await page.mouse.down();
    await page.mouse.up();
    const stopped = (await srcChanges(page, 'turnpixa2', set)).length;
    await page.waitForTimeout(autoInterval * 5);
    const later = await srcChanges(page, 'turnpixa2', set);
    assert.equal(later.length, stopped, 'the second viewer stopped');
    assert.equal(await frameOf(page, 'turnpixa1', set), 1);
    await assertAllServed(session, record);
    await page.close();
  });
});

// The written page with the script inline, as the snippets carry it: the
// parameter comment (from the line after the first empty line up to the
// next empty line) left out.
function inlinePage(html, script) {
  const tag = /<script language='JavaScript' src='turnpixa.js' type='text\/javascript'><\/script>/;
  assert.match(html, tag);
  const lines = script.split('\r\n');
  const first = lines.indexOf('');
  const next = lines.indexOf('', first + 1);
  const inline = [...lines.slice(0, first + 1), ...lines.slice(next + 1)].join('\r\n');
  const open = '<script language="JavaScript" type="text/javascript">\r\n';
  return html.replace(tag, () => `${open}${inline}</script>`);
}

// Keeps every touch event as the window sees it, after the viewer's own
// handlers, and whether one of them cancelled it.
function recordTouchEvents() {
  window.touchEvents = [];
  for (const type of ['touchstart', 'touchmove', 'touchend']) {
    window.addEventListener(type, (e) => {
      window.touchEvents.push({ type, prevented: e.defaultPrevented });
    });
  }
}

describe('phones, keys and screen readers', () => {
  let phone;
  before(async () => {
    phone = await startBrowser({ viewport: { width: 390, height: 700 }, hasTouch: true });
  });
  after(async () => {
    await phone?.close();
  });

  for (const form of ['file', 'inline']) {
    test(`a sideways touch drag turns the ${form} form as the mouse does`, async () => {
      const set = await readSet(pageName);
      let name = pageName;
      if (form === 'inline') {
        const script = await readFile(path.join(setDir, 'turnpixa.js'), 'utf8');
        name = 'inline.htm';
        server.addPage(name, inlinePage(set.html, script));
      }
      const { session, page, record } = await load(name, undefined, undefined, phone.context);
      await waitForPreload(record, set, set.n);
      const { x, y } = await centreOf(page, 'turnpixa1');
      assert.equal(
        await page.locator('#turnpixa1').evaluate((e) => getComputedStyle(e).touchAction),
        'pan-y pinch-zoom',
      );
      const finger = await touch(page);
      await finger.down(x, y);
      // The mouse test's moves: one step per 10 px, rounding half up.
      for (const [dx, frame] of [[10, 1], [14, 1], [15, 2], [10, 2], [9, 1], [-11, 35]]) {
        await finger.move(x + dx, y);
        assert.equal(await frameOf(page, 'turnpixa1', set), frame, `after moving to ${dx} px`);
      }
      await finger.up();
      assert.equal(await page.evaluate(() => window.scrollY), 0);
      assert.equal(
        await page.locator('#turnpixa1').getAttribute('aria-label'),
        `Rotatable view, frame 36 of ${set.n}`,
      );
      await assertAllServed(session, record);
      await page.close();
    });
  }

  // The browser scrolls unless the page cancels the touch: where the engine's
  // test input cannot pan (firefox), that the page left every touch event to
  // the browser is what can be seen.
  test('a vertical swipe over the picture scrolls the page', async () => {
    const set = await readSet(pageName);
    const tall = set.html.replace('</body>', "<div style='height:3000px'></div></body>");
    server.addPage('tall.htm', tall);
    const { page, record } = await load('tall.htm', recordTouchEvents, undefined, phone.context);
    await waitForPreload(record, set, set.n);
    const { x, y } = await centreOf(page, 'turnpixa1');
    const finger = await touch(page);
    await finger.down(x, y);
    for (let dy = 10; dy <= 80; dy += 10) await finger.move(x, y - dy);
    await finger.up();
    if (touchScrolls) await page.waitForFunction(() => window.scrollY > 30);
    const events = await page.evaluate(() => window.touchEvents);
    assert.ok(events.some((e) => e.type === 'touchmove'), 'the swipe reached the page');
    assert.deepEqual(events.filter((e) => e.prevented), [], 'no touch event cancelled');
    assert.equal(await frameOf(page, 'turnpixa1', set), 'still');
    await page.close();
  });

  test('two viewers: the touched one turns, the other stays', async () => {
    const set = await readSet(pageName);
    server.addPage('twin-touch.htm', twinPage(set.html, autoInterval));
    const { page } = await load('twin-touch.htm', recordSrcChanges, undefined, phone.context);
    await page.waitForFunction(() => window.srcChanges.length >= 2);
    const second = await centreOf(page, 'turnpixa2');
    const finger = await touch(page);
    await finger.down(second.x, second.y);
    const stoppedAt = await frameOf(page, 'turnpixa2', set);
    await finger.move(second.x + 30, second.y);
    await finger.up();
    assert.equal(await frameOf(page, 'turnpixa2', set), (stoppedAt + 3) % set.n);
    await page.waitForTimeout(autoInterval * 4);
    const turned = (stoppedAt + 3) % set.n;
    assert.equal(await frameOf(page, 'turnpixa2', set), turned, 'auto spin stopped');
    assert.equal(await frameOf(page, 'turnpixa1', set), 'still');
    await page.close();
  });

  test('Tab focuses the picture visibly; Left, Right and Home turn it, named', async () => {
    const set = await readSet(pageName);
    const { session, page, record } = await load(pageName);
    await waitForPreload(record, set, set.n);
    const img = page.locator('#turnpixa1');
    assert.equal(await img.getAttribute('role'), 'img');
    assert.equal(await img.getAttribute('aria-label'), `Rotatable view, frame 1 of ${set.n}`);
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'turnpixa1');
    assert.ok(await img.evaluate((e) => e.matches(':focus-visible')));
    assert.notEqual(await img.evaluate((e) => getComputedStyle(e).outlineStyle), 'none');
    const steps = [['ArrowRight', 1], ['ArrowRight', 2], ['ArrowLeft', 1], ['ArrowLeft', 0],
      ['ArrowLeft', 35], ['Home', 0], ['Home', 0]];
    for (const [key, frame] of steps) {
      await page.keyboard.press(key);
      assert.equal(await frameOf(page, 'turnpixa1', set), frame, `after ${key}`);
      const name = `Rotatable view, frame ${frame + 1} of ${set.n}`;
      assert.equal(await page.getByRole('img', { name, exact: true }).count(), 1, name);
    }
    await assertAllServed(session, record);
    await page.close();
  });

  test('auto spin keeps the name still; a key stops the spin and names the frame', async () => {
    const set = await readSet(autoPageName);
    const { page } = await load(autoPageName, recordSrcChanges);
    await page.waitForFunction(() => window.srcChanges.length >= 5);
    const img = page.locator('#turnpixa1');
    assert.equal(await img.getAttribute('aria-label'), `Rotatable view, frame 1 of ${set.n}`);
    await img.focus();
    await page.keyboard.press('ArrowRight');
    const frame = await frameOf(page, 'turnpixa1', set);
    const name = `Rotatable view, frame ${frame + 1} of ${set.n}`;
    assert.equal(await img.getAttribute('aria-label'), name);
    await page.waitForTimeout(autoInterval * 4);
    assert.equal(await frameOf(page, 'turnpixa1', set), frame, 'the key stopped the spin');
    await page.close();
  });

  test('a browser without pointer events still turns by mouse and keys', async () => {
    const set = await readSet(pageName);
    const { session, page, record } = await load(pageName, () => delete window.PointerEvent);
    assert.equal(await page.evaluate(() => typeof PointerEvent), 'undefined');
    await waitForPreload(record, set, set.n);
    const { x, y } = await centreOf(page, 'turnpixa1');
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + 10, y, { steps: 1 });
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa1', set), 1);
    await page.locator('#turnpixa1').focus();
    await page.keyboard.press('ArrowRight');
    assert.equal(await frameOf(page, 'turnpixa1', set), 2);
    await assertAllServed(session, record);
    await page.close();
  });

  test('reduced motion: no auto spin, but drag and keys still turn', async () => {
    const set = await readSet(autoPageName);
    const { session, page, record } = await load(autoPageName, recordSrcChanges, {
      reducedMotion: 'reduce',
    });
    await waitForPreload(record, set, set.n);
    assert.deepEqual(frameRequests(record, set), preloadOrder(set.n, autoInterval));
    await page.waitForTimeout(autoInterval * 6);
    assert.deepEqual(await srcChanges(page, 'turnpixa1', set), [], 'no auto spin');
    const { x, y } = await centreOf(page, 'turnpixa1');
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + 20, y, { steps: 1 });
    await page.mouse.up();
    assert.equal(await frameOf(page, 'turnpixa1', set), 2);
    const label = await page.locator('#turnpixa1').getAttribute('aria-label');
    assert.equal(label, `Rotatable view, frame 3 of ${set.n}`);
    await page.locator('#turnpixa1').focus();
    await page.keyboard.press('ArrowLeft');
    assert.equal(await frameOf(page, 'turnpixa1', set), 1);
    await assertAllServed(session, record);
    await page.close();
  });
});
