// Spins of several rows (the options' rows): the frames are one list, row 1
// first; sideways turns within the row, up and down tilts to the next row.
// The pages are made here from the first 24 frames of spin.htm's set as
// 3 rows of 8.
//
// TURNPIXA_SET_DIR   folder holding the written set with spin.htm (required)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { openPage, startBrowser, startServer, touch, touchScrolls } from './harness.mjs';

const setDir = process.env.TURNPIXA_SET_DIR;
let server;
let browser;
let plain;

// spin.htm registering `count` frames with the given options text.
function rowsPage(count, autoSpin, start, options) {
  return plain.replace(
    /AddTurnPixa\('turnpixa1','spin-turnpixa\/image_',36,0,0,'\.jpg'\);/,
    `AddTurnPixa('turnpixa1','spin-turnpixa/image_',${count},${autoSpin},${start},'.jpg'${options});`,
  );
}

before(async () => {
  assert.ok(setDir, 'TURNPIXA_SET_DIR names the folder with the written set');
  plain = await readFile(path.join(setDir, 'spin.htm'), 'utf8');
  assert.match(plain, /AddTurnPixa\('turnpixa1','spin-turnpixa\/image_',36,0,0,'\.jpg'\);/);
  server = await startServer(setDir);
  server.addPage('rows.htm', rowsPage(24, 0, 0, ',{rows:3}'));
  server.addPage('rows-start.htm', rowsPage(24, 0, 10, ',{rows:3}'));
  server.addPage('rows-spin.htm', rowsPage(24, 100, 0, ',{rows:3}'));
  browser = await startBrowser();
});

after(async () => {
  await browser?.close();
  await server?.close();
});

async function frame(page, id = 'turnpixa1') {
  const src = await page.evaluate((i) => document.getElementById(i).src, id);
  const m = /image_(\d+)\.jpg$/.exec(src);
  if (m) return Number(m[1]);
  return /\/image\.jpg$/.test(src) ? 'still' : src;
}

async function load(name, init, context = browser.context) {
  const session = server.session();
  const opened = await openPage(context, server.url(session, name), init);
  await opened.page.waitForFunction(() => {
    const bar = document.getElementById('turnpixa1').parentNode.querySelector('span');
    return bar && bar.style.display === 'none';
  });
  return { session, ...opened };
}

async function centre(page, id = 'turnpixa1') {
  const box = await page.locator(`#${id}`).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// A slow drag (no fling), in steps of 5 px.
async function drag(page, from, dx, dy) {
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  const steps = Math.max(1, Math.round(Math.hypot(dx, dy) / 5));
  await page.mouse.move(from.x + dx, from.y + dy, { steps });
  await page.waitForTimeout(120);
  await page.mouse.up();
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

const name = (row, column) => `Rotatable view, row ${row} of 3, frame ${column} of 8`;

describe('three rows of eight', () => {
  test('sideways drags turn within the row, wrapping; up and down drags tilt, clamped', async () => {
    const { page, record } = await load('rows.htm');
    const img = page.locator('#turnpixa1');
    const c = await centre(page);
    assert.equal(await img.getAttribute('aria-label'), name(1, 1));
    // 360 px a turn: 45 px a frame of the row.
    for (const [dx, dy, expected, below] of [
      [45, 0, 1],
      [-90, 0, 7], // wraps within row 1, not into row 3
      [45, 0, 0],
      [0, 40, 8], // one row down
      [45, 0, 9],
      [0, 45, 17],
      [0, 200, 17], // the last row is the last
      [100, 0, 19],
      // And the first the first: from near the bottom of the picture to
      // near its top (a pointer beyond the view is not every engine's).
      [0, -140, 3, 60],
    ]) {
      await drag(page, { x: c.x, y: c.y + (below ?? 0) }, dx, dy);
      assert.equal(await frame(page), expected, `after ${dx},${dy}`);
    }
    assert.equal(await img.getAttribute('aria-label'), name(1, 4));
    assert.deepEqual(record.errors, []);
    await page.close();
  });

  test('Up and Down tilt, Left and Right turn within the row, and the name says where', async () => {
    const { page, record } = await load('rows.htm');
    const img = page.locator('#turnpixa1');
    await img.focus();
    for (const [key, expected, label] of [
      ['ArrowUp', 'still', name(1, 1)], // nothing above the first row
      ['ArrowDown', 8, name(2, 1)],
      ['ArrowLeft', 15, name(2, 8)],
      ['ArrowDown', 23, name(3, 8)],
      ['ArrowDown', 23, name(3, 8)],
      ['ArrowRight', 16, name(3, 1)],
      ['ArrowUp', 8, name(2, 1)],
      ['Home', 8, name(2, 1)],
    ]) {
      await page.keyboard.press(key);
      assert.equal(await frame(page), expected, `after ${key}`);
      assert.equal(await img.getAttribute('aria-label'), label);
    }
    assert.equal(await page.evaluate(() => window.scrollY), 0, 'the keys do not scroll');
    assert.deepEqual(record.errors, []);
    await page.close();
  });

  test('the start frame picks the start row, which loads first (the start frame last of it)', async () => {
    const { session, page } = await load('rows-start.htm');
    const asked = server.log
      .filter((e) => e.session === session && /image_\d+\.jpg$/.test(e.path))
      .map((e) => Number(/image_(\d+)/.exec(e.path)[1]));
    assert.deepEqual(asked.slice(0, 8), [12, 8, 14, 11, 13, 15, 9, 10]);
    assert.deepEqual([...asked].sort((a, b) => a - b), [...Array(24).keys()]);
    const c = await centre(page);
    await drag(page, c, 45, 0);
    assert.equal(await frame(page), 11);
    await page.close();
  });

  test('auto spin turns the current row', async () => {
    const session = server.session();
    const { page, record } = await openPage(browser.context, server.url(session, 'rows-spin.htm'), () => {
      window.srcChanges = [];
      new MutationObserver((list) => {
        for (const m of list) window.srcChanges.push(m.target.src);
      }).observe(document, { subtree: true, attributes: true, attributeFilter: ['src'] });
    });
    await page.waitForFunction(() => window.srcChanges.length >= 10, null, { timeout: 20000 });
    const seen = await page.evaluate(() => window.srcChanges.map((s) => Number(/image_(\d+)/.exec(s)[1])));
    assert.deepEqual(seen.slice(0, 10), [1, 2, 3, 4, 5, 6, 7, 0, 1, 2]);
    assert.deepEqual(record.errors, []);
    await page.close();
  });
});

describe('rows on a phone', () => {
  let phone;
  before(async () => {
    phone = await startBrowser({ viewport: { width: 390, height: 700 }, hasTouch: true });
  });
  after(async () => {
    await phone?.close();
  });

  // A finger moved in eight steps, held a moment before it lifts (harness
  // touch: in Chromium the browser itself decides between scrolling and
  // giving the moves to the page).
  async function swipe(page, from, dx, dy) {
    const finger = await touch(page);
    await finger.down(from.x, from.y);
    for (let i = 1; i <= 8; i++) {
      await finger.move(from.x + (dx * i) / 8, from.y + (dy * i) / 8);
      await page.waitForTimeout(30);
    }
    await page.waitForTimeout(100);
    await finger.up();
  }

  test('a vertical swipe tilts a spin of rows and does not scroll; a plain one beside still scrolls', async () => {
    // The rows viewer first, a plain 36-frame one below, a long page after.
    const page2 = rowsPage(24, 0, 0, ',{rows:3}')
      .replace(/^(\s*<img id=')turnpixa1('.*)$/m, (line, a, b) => `${line}<br>\n${a}turnpixa2${b}`)
      .replace(
        /^(AddTurnPixa\('turnpixa1'.*)$/m,
        (line) => `${line}\nAddTurnPixa('turnpixa2','spin-turnpixa/image_',36,0,0,'.jpg');`,
      )
      .replace('</body>', "<div style='height:3000px'></div></body>");
    server.addPage('rows-twin.htm', page2);
    const { page, record } = await load('rows-twin.htm', recordTouchEvents, phone.context);
    const touchAction = (id) => page.locator(`#${id}`).evaluate((e) => getComputedStyle(e).touchAction);
    // What tells the browser to leave vertical moves to the page or not.
    assert.equal(await touchAction('turnpixa1'), 'pinch-zoom');
    assert.equal(await touchAction('turnpixa2'), 'pan-y pinch-zoom');
    const rows = await centre(page, 'turnpixa1');
    await swipe(page, rows, 0, 80);
    assert.equal(await frame(page), 16, 'two rows down: 80 px at 40 px a row');
    assert.equal(await page.evaluate(() => window.scrollY), 0, 'the page did not scroll');
    await swipe(page, rows, 45, 0);
    assert.equal(await frame(page), 17);
    assert.equal(await frame(page, 'turnpixa2'), 'still', 'the plain one stays as it was');
    const plainOne = await centre(page, 'turnpixa2');
    await page.evaluate(() => {
      window.touchEvents = [];
    });
    await swipe(page, plainOne, 0, -80);
    // Where the engine's test input cannot pan (firefox), that the page left
    // every touch event of the swipe to the browser is what can be seen.
    if (touchScrolls) await page.waitForFunction(() => window.scrollY > 30);
    const events = await page.evaluate(() => window.touchEvents);
    assert.ok(events.some((e) => e.type === 'touchmove'), 'the swipe reached the page');
    assert.deepEqual(events.filter((e) => e.prevented), [], 'no touch event cancelled');
    assert.equal(await frame(page, 'turnpixa2'), 'still', 'the plain one did not turn');
    assert.equal(await frame(page), 17, 'nor did the rows one');
    assert.deepEqual(record.errors, []);
    await page.close();
  });
});
