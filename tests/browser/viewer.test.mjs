// The viewer beyond the plain drag, on pages written by turnpixa-cli: early
// drags, progressive and lazy loading with the load bar, zoom into the large
// frames, full screen, fling, pause, a frame that fails, two viewers.
//
// TURNPIXA_SET_DIR   folder holding the written set (required): spin.htm
//                    (36 JPEG frames, no auto spin) and auto.htm (auto spin
//                    100 ms, WebP, 400 px large frames in zoom/)
// TURNPIXA_SHOTS     folder for screenshots of the buttons and the load bar
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { cp, readFile, rm } from 'node:fs/promises';
import path from 'node:path';
import { openPage, startBrowser, startServer, startSlowProxy, touch } from './harness.mjs';

const setDir = process.env.TURNPIXA_SET_DIR;
const shots = process.env.TURNPIXA_SHOTS;
let server;
let browser;

before(async () => {
  assert.ok(setDir, 'TURNPIXA_SET_DIR names the folder with the written set');
  server = await startServer(setDir);
  browser = await startBrowser();
});

after(async () => {
  await browser?.close();
  await server?.close();
});

// The frame an img shows: its number, 'still', 'zoom:<number>' for a large
// frame, or the src itself when it is none of them.
async function shownFrame(page, id = 'turnpixa1') {
  const src = await page.evaluate((i) => document.getElementById(i).src, id);
  const m = /\/([^/]+)-turnpixa\/(zoom\/)?image(_(\d{3,}))?\.\w+$/.exec(new URL(src).pathname);
  if (!m) return src;
  if (!m[3]) return 'still';
  return m[2] ? `zoom:${Number(m[4])}` : Number(m[4]);
}

async function load(name, init, context = browser.context, media) {
  const session = server.session();
  const opened = await openPage(context, server.url(session, name), init, media);
  return { session, ...opened };
}

function frameRequests(session) {
  return server.log.filter((e) => e.session === session && /image_\d+\./.test(e.path));
}

async function centre(page, id = 'turnpixa1') {
  const box = await page.locator(`#${id}`).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2, box };
}

async function drag(page, from, dx, dy = 0, steps = 1) {
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move(from.x + dx, from.y + dy, { steps });
  await page.mouse.up();
}

// A finger flicked across the picture, in the page (the release has to come
// within a few milliseconds of the last move, which a protocol round trip on
// a busy machine cannot promise): a touch pointer moving 40 px a frame (or
// every `pace` ms), let go while moving.
function flickInPage(page, { pace = 0, step = 40, id = 'turnpixa1' } = {}) {
  return page.evaluate(
    ({ pace, step, id }) =>
      new Promise((resolve) => {
        const img = document.getElementById(id);
        const r = img.getBoundingClientRect();
        const y = r.top + r.height / 2;
        const send = (type, x, target = document) =>
          target.dispatchEvent(
            new PointerEvent(type, {
              pointerId: 7, pointerType: 'touch', isPrimary: true, clientX: x, clientY: y,
              bubbles: true, cancelable: true,
            }),
          );
        let x = r.left + 5;
        send('pointerdown', x, img);
        let moves = 0;
        const next = () => {
          x += step;
          send('pointermove', x);
          if (++moves === 5) {
            send('pointerup', x);
            resolve();
          } else if (pace) setTimeout(next, pace);
          else requestAnimationFrame(next);
        };
        requestAnimationFrame(next);
      }),
    { pace, step, id },
  );
}

// A finger put on the picture and lifted.
async function tapOn(page, id = 'turnpixa1') {
  const c = await centre(page, id);
  const finger = await touch(page);
  await finger.down(c.box.x + 20, c.box.y + 20);
  await finger.up();
}

// Waits until every frame of the first viewer has come in: the load bar is
// gone.
async function allIn(page, id = 'turnpixa1') {
  await page.waitForFunction((i) => {
    const bar = document.getElementById(i).parentNode.querySelector('span');
    return bar && bar.style.display === 'none';
  }, id);
}

function recordSrcChanges() {
  window.srcChanges = [];
  new MutationObserver((list) => {
    for (const m of list) window.srcChanges.push({ id: m.target.id, src: m.target.src });
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['src'] });
}

async function changes(page, id = 'turnpixa1') {
  return page.evaluate((i) => window.srcChanges.filter((c) => c.id === i).length, id);
}

async function pageWith(name, edit) {
  const html = await readFile(path.join(setDir, name), 'utf8');
  return edit(html);
}

// The written page through a proxy that holds each request back
// delayOf(path) ms, opened without waiting for the load event (which
// firefox holds back for the frames), once the first frame is in.
async function openSlowly(delayOf) {
  const proxy = await startSlowProxy(server.url('x', '').replace(/\/x\/$/, ''), delayOf);
  try {
    const { page, record } = await openPage(
      browser.context,
      proxy.url(server.session(), 'spin.htm'),
      undefined,
      undefined,
      'domcontentloaded',
    );
    await page.waitForFunction(() => {
      const img = document.getElementById('turnpixa1');
      return img.parentNode.querySelector('span').style.width !== '0px';
    });
    return { proxy, page, record };
  } catch (e) {
    await proxy.close();
    throw e;
  }
}

describe('loading', () => {
  test('a drag 50 ms after the load turns or does nothing, without an error', async () => {
    for (const name of ['spin.htm', 'auto.htm']) {
      const { page, record } = await load(name);
      await page.waitForTimeout(50);
      const c = await centre(page);
      await drag(page, c, 40);
      await page.keyboard.press('Tab');
      await page.keyboard.press('ArrowRight');
      const shown = await shownFrame(page);
      assert.ok(shown === 'still' || typeof shown === 'number', `${name} shows ${shown}`);
      assert.deepEqual(record.errors, [], `no script errors on ${name}`);
      await page.close();
    }
  });

  test('with slow frames the first drag turns the object before the last frame is in', async () => {
    // Every frame takes 120 ms more than the page and the still.
    const { proxy, page, record } = await openSlowly((p) => (/image_\d+\./.test(p) ? 120 : 0));
    try {
      const frames = () => proxy.log.filter((e) => /image_\d+\./.test(e.path));
      const bar = page.locator('#turnpixa1 + span');
      // The first two frames come alone: the quarters (the still shows the
      // start meanwhile).
      assert.deepEqual(
        frames().slice(0, 2).map((e) => e.path.replace(/.*image_/, '')),
        ['009.jpg', '027.jpg'],
      );
      assert.ok(await bar.isVisible(), 'the load bar shows while frames come in');
      const c = await centre(page);
      await drag(page, c, 100);
      const shown = await shownFrame(page);
      const inSoFar = frames().filter((e) => e.done !== null).length;
      assert.ok(typeof shown === 'number' && shown !== 0, `the drag turned it (${shown})`);
      assert.ok(inSoFar < 36, `${inSoFar} of 36 frames were in at the drag`);
      if (shots) await page.screenshot({ path: path.join(shots, 'viewer-loading.png') });
      await allIn(page);
      assert.equal(await bar.isVisible(), false, 'the bar goes away when all are in');
      // Once in, the drag shows the very frame asked for: 10 steps on from
      // where it was, whatever frame was nearest before.
      await drag(page, c, 100);
      assert.equal(await shownFrame(page), 20);
      assert.equal(frames().length, 36, 'each frame asked for once');
      assert.deepEqual(record.errors, []);
      await page.close();
    } finally {
      await proxy.close();
    }
  });

  test('a spin three screens down asks for no frame until it comes near', async () => {
    server.addPage(
      'far.htm',
      await pageWith('spin.htm', (h) => h.replace('<center>', "<div style='height:2100px'></div><center>")),
    );
    const { session, page, record } = await load('far.htm');
    await page.waitForTimeout(400);
    assert.equal(frameRequests(session).length, 0, 'nothing but the still image at first');
    await page.evaluate(() => window.scrollTo(0, 400));
    await page.waitForTimeout(400);
    assert.equal(frameRequests(session).length, 0, 'still two screens away');
    await page.evaluate(() => window.scrollTo(0, 1000));
    await allIn(page);
    assert.equal(frameRequests(session).length, 36);
    assert.deepEqual(record.errors, []);
    await page.close();
  });

  test('a frame that fails to load is passed over', async () => {
    const gap = path.join(setDir, 'gap-turnpixa');
    await rm(gap, { recursive: true, force: true });
    await cp(path.join(setDir, 'spin-turnpixa'), gap, { recursive: true });
    await rm(path.join(gap, 'image_001.jpg'));
    const still = await pageWith('spin.htm', (h) => h.replaceAll('spin-turnpixa', 'gap-turnpixa'));
    server.addPage('gap.htm', still);
    server.addPage('gap-auto.htm', still.replace(/,36,0,0,/, ',36,100,0,'));
    const { page, record } = await load('gap.htm');
    await allIn(page);
    const c = await centre(page);
    await drag(page, c, 10);
    assert.equal(await shownFrame(page), 2, 'frame 1 is missing: the next one on shows');
    await drag(page, c, 10);
    assert.equal(await shownFrame(page), 2);
    await page.locator('#turnpixa1').focus();
    await page.keyboard.press('ArrowLeft');
    assert.equal(await shownFrame(page), 0, 'going back, the next one back shows');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await shownFrame(page), 0);
    await page.keyboard.press('ArrowLeft');
    assert.equal(await shownFrame(page), 35);
    assert.deepEqual(record.errors, []);
    await page.close();

    const spun = await load('gap-auto.htm', recordSrcChanges);
    await spun.page.waitForFunction(() => window.srcChanges.length >= 4);
    const seen = await spun.page.evaluate(() => window.srcChanges.map((s) => s.src.slice(-7)));
    assert.deepEqual(seen.slice(0, 3), ['002.jpg', '003.jpg', '004.jpg'], 'auto spin skips it');
    assert.deepEqual(spun.record.errors, []);
    await spun.page.close();
    await rm(gap, { recursive: true, force: true });
  });
});

describe('zoom and full screen', () => {
  test('a double-click zooms into the large frame, a drag pans it, another zooms out', async () => {
    const { page, record } = await load('auto.htm');
    await allIn(page);
    const c = await centre(page);
    await page.mouse.dblclick(c.x + 20, c.y + 10);
    await page.waitForFunction(() => {
      const img = document.getElementById('turnpixa1');
      return /\/zoom\//.test(img.src) && img.complete && img.naturalWidth === 400;
    });
    const zoomed = await shownFrame(page);
    assert.match(String(zoomed), /^zoom:\d+$/, 'the large frame of the angle shown');
    assert.match(
      await page.locator('#turnpixa1').evaluate((e) => e.style.transform),
      /scale\(2\)/,
      'up to the large frames’ own resolution: 400 px over 200',
    );
    const clip = { x: c.box.x, y: c.box.y, width: c.box.width, height: c.box.height };
    const before = await page.screenshot({ clip });
    if (shots) await page.screenshot({ path: path.join(shots, 'viewer-zoomed.png') });
    await drag(page, c, -40, -30, 4);
    assert.equal(await shownFrame(page), zoomed, 'a drag while zoomed pans and does not turn');
    const panned = await page.screenshot({ clip });
    assert.notDeepEqual(panned, before, 'panning moves the pixels');
    // Turning by key keeps the zoom.
    await page.locator('#turnpixa1').focus();
    await page.keyboard.press('ArrowRight');
    const turned = await shownFrame(page);
    assert.notEqual(turned, zoomed);
    assert.match(await page.locator('#turnpixa1').evaluate((e) => e.style.transform), /scale\(2\)/);
    await page.mouse.dblclick(c.x, c.y);
    assert.equal(await page.locator('#turnpixa1').evaluate((e) => e.style.transform), '');
    assert.equal(typeof (await shownFrame(page)), 'number', 'back to the small frames');
    await page.keyboard.press('Escape');
    assert.deepEqual(record.errors, []);
    await page.close();
  });

  test('a two-finger pinch zooms in and Escape zooms out; without large frames up to 2x', async () => {
    for (const [name, large] of [['auto.htm', true], ['spin.htm', false]]) {
      const { page, record } = await load(name);
      await allIn(page);
      // Two fingers (harness touch) spread from 40 to 160 px apart.
      const c = await centre(page);
      const fingers = await touch(page);
      const apart = (d) => [{ x: c.x - d, y: c.y }, { x: c.x + d, y: c.y }];
      await fingers.down(apart(20));
      for (let d = 30; d <= 80; d += 10) await fingers.move(apart(d));
      await fingers.up();
      const transform = await page.locator('#turnpixa1').evaluate((e) => e.style.transform);
      assert.match(transform, /scale\(2\)/, `${name}: pinched to the most, 2x`);
      assert.equal(await page.evaluate(() => visualViewport.scale), 1, 'the page itself kept its scale');
      if (large) {
        await page.waitForFunction(() => /\/zoom\//.test(document.getElementById('turnpixa1').src));
      } else {
        assert.equal(typeof (await shownFrame(page)), 'number', `${name}: the frame, scaled`);
      }
      await page.locator('#turnpixa1').focus();
      await page.keyboard.press('Escape');
      assert.equal(await page.locator('#turnpixa1').evaluate((e) => e.style.transform), '');
      assert.deepEqual(record.errors, []);
      await page.close();
    }
  });

  test('the full-screen button and F enter full screen with the aspect kept; Escape leaves', async () => {
    const { page, record } = await load('auto.htm');
    const img = page.locator('#turnpixa1');
    const size = await img.evaluate((e) => [e.offsetWidth, e.offsetHeight]);
    const fullSize = async () =>
      page.evaluate(() => {
        const e = document.getElementById('turnpixa1');
        const f = document.fullscreenElement;
        return f && f.contains(e) ? [e.offsetWidth, e.offsetHeight] : null;
      });
    // The picture is fitted once the screen-sized box is laid out.
    const fitted = () =>
      page.waitForFunction(
        (s) => {
          const e = document.getElementById('turnpixa1');
          return document.fullscreenElement !== null && e.offsetWidth + e.offsetHeight > s[0] + s[1];
        },
        size,
        { timeout: 5000 },
      );
    await page.locator('button[title="Full screen"]').click();
    await fitted();
    const [w, h] = await fullSize();
    assert.ok(w > size[0] || h > size[1], `larger: ${w}x${h}`);
    assert.ok(Math.abs(w / h - size[0] / size[1]) < 0.02, `aspect kept: ${w}x${h}`);
    await page.waitForFunction(() => /\/zoom\//.test(document.getElementById('turnpixa1').src));
    if (shots) await page.screenshot({ path: path.join(shots, 'viewer-full-screen.png') });
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => document.fullscreenElement === null);
    // The change event that lays the picture out again may come a moment
    // after the element has left full screen.
    await page
      .waitForFunction(
        (s) => {
          const e = document.getElementById('turnpixa1');
          return e.offsetWidth === s[0] && e.offsetHeight === s[1];
        },
        size,
        { timeout: 3000 },
      )
      .catch(() => {});
    assert.deepEqual(await img.evaluate((e) => [e.offsetWidth, e.offsetHeight]), size);
    await img.focus();
    await page.keyboard.press('f');
    await fitted();
    assert.notEqual(await fullSize(), null);
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => document.fullscreenElement === null);
    // The change event that puts the small frames back may come a moment
    // after the element has left full screen (and on a busy machine the
    // start frame itself after the still).
    await page
      .waitForFunction(
        () => /-turnpixa\/image_\d+\.\w+$/.test(document.getElementById('turnpixa1').src),
        null,
        { timeout: 3000 },
      )
      .catch(() => {});
    const after = await shownFrame(page);
    assert.equal(typeof after, 'number', `small frames again: ${after}`);
    assert.deepEqual(record.errors, []);
    await page.close();
  });
});

describe('fling and pause', () => {
  test('a quick drag keeps turning after the release; a click or a touch stops it', async () => {
    const { page, record } = await load('spin.htm', recordSrcChanges);
    await allIn(page);
    const c = await centre(page);
    const turnsOn = async (what) => {
      const released = await changes(page);
      await page.waitForTimeout(150);
      assert.ok((await changes(page)) > released, what);
    };
    const staysStill = async (what) => {
      const n = await changes(page);
      await page.waitForTimeout(300);
      assert.equal(await changes(page), n, what);
    };
    await flickInPage(page);
    await turnsOn('it turns on after the release');
    await page.mouse.move(c.x, c.y);
    await page.mouse.down();
    await page.mouse.up();
    await staysStill('a click stops it');
    await flickInPage(page);
    await turnsOn('a second flick');
    await tapOn(page);
    await staysStill('a touch stops it');
    // Moving slowly (a move each 120 ms) and a short flick do not fling.
    await flickInPage(page, { pace: 120 });
    await staysStill('a slow drag');
    await flickInPage(page, { step: 6 });
    await staysStill('a short drag');
    assert.deepEqual(record.errors, []);
    await page.close();

    const calm = await load('spin.htm', recordSrcChanges, browser.context, { reducedMotion: 'reduce' });
    await allIn(calm.page);
    await flickInPage(calm.page);
    const done = await changes(calm.page);
    assert.ok(done > 0, 'the flick itself turned it');
    await calm.page.waitForTimeout(300);
    assert.equal(await changes(calm.page), done, 'no fling under reduced motion');
    await calm.page.close();
  });

  test('the pause button and Space stop and restart the auto spin', async () => {
    const { page, record } = await load('auto.htm', recordSrcChanges);
    const pause = page.locator('#turnpixa1 ~ button[title="Pause"], #turnpixa1 ~ button[title="Play"]');
    await page.waitForFunction(() => window.srcChanges.length >= 3);
    assert.equal(await pause.getAttribute('title'), 'Pause');
    if (shots) await page.screenshot({ path: path.join(shots, 'viewer-buttons.png') });
    const still = async (what) => {
      const n = await changes(page);
      await page.waitForTimeout(400);
      assert.equal(await changes(page), n, what);
    };
    const moving = async (what) => {
      const n = await changes(page);
      await page.waitForTimeout(400);
      assert.ok((await changes(page)) >= n + 2, what);
    };
    await pause.click();
    assert.equal(await pause.getAttribute('title'), 'Play');
    await still('the button pauses');
    await pause.click();
    assert.equal(await pause.getAttribute('title'), 'Pause');
    await moving('and plays');
    await page.locator('#turnpixa1').focus();
    await page.keyboard.press(' ');
    await still('Space pauses');
    assert.equal(await page.evaluate(() => window.scrollY), 0, 'Space does not scroll the page');
    await page.keyboard.press(' ');
    await moving('and plays');
    assert.deepEqual(record.errors, []);
    await page.close();
  });
});

describe('two viewers on one page', () => {
  test('zoom and pause stay with the viewer they were given to', async () => {
    const html = await pageWith('auto.htm', (h) =>
      h
        .replace(/^(\s*<img id=')turnpixa1('.*)$/m, (line, a, b) => `${line}\n${a}turnpixa2${b}`)
        .replace(/^AddTurnPixa\('turnpixa1',(.*)$/m, (line, rest) => `${line}\nAddTurnPixa('turnpixa2',${rest}`),
    );
    server.addPage('twin-zoom.htm', html);
    const { page, record } = await load('twin-zoom.htm', recordSrcChanges);
    await allIn(page, 'turnpixa1');
    await allIn(page, 'turnpixa2');
    const first = await centre(page, 'turnpixa1');
    await page.mouse.dblclick(first.x, first.y);
    const t = (id) => page.locator(`#${id}`).evaluate((e) => e.style.transform);
    assert.match(await t('turnpixa1'), /scale/);
    assert.equal(await t('turnpixa2'), '');
    const before = await changes(page, 'turnpixa2');
    await page.waitForTimeout(400);
    assert.ok((await changes(page, 'turnpixa2')) > before, 'the other one spins on');
    await page.locator('#turnpixa2 ~ button[title="Pause"]').click();
    const paused = await changes(page, 'turnpixa2');
    await page.waitForTimeout(300);
    assert.equal(await changes(page, 'turnpixa2'), paused);
    assert.equal(await page.locator('#turnpixa1 ~ button[title="Play"]').count(), 1, 'zooming stopped the first');
    assert.deepEqual(record.errors, []);
    await page.close();
  });
});

describe('the still for the start frame', () => {
  test('while frames are on their way, a short drag shows the still or a frame the way it went', async () => {
    // The frames within a quarter turn of the start, but for the one at the
    // quarter on the right, take 2 s; the others come soon.
    const slow = /image_0(0[0-8]|1[0-2]|2[4-9]|3[0-5])\./;
    const { proxy, page, record } = await openSlowly((p) =>
      slow.test(p) ? 2000 : /image_\d+\./.test(p) ? 100 : 0,
    );
    try {
      const done = (name) => proxy.log.some((e) => e.path.endsWith(name) && e.done !== null);
      assert.ok(done('image_009.jpg') && !done('image_027.jpg'), 'the right quarter is in, the left not');
      const c = await centre(page);
      // Three frames back with nothing in that way within a quarter turn:
      // the still (the start) is nearer than the frames in.
      await drag(page, c, -30);
      assert.equal(await shownFrame(page), 'still');
      await drag(page, c, 30);
      assert.equal(await shownFrame(page), 'still');
      // Three frames on goes on to the quarter, the next frame in that way.
      await drag(page, c, 30);
      assert.equal(await shownFrame(page), 9);
      assert.ok(!done('image_004.jpg'), 'the frames near the start were still on their way');
      await allIn(page);
      assert.equal(await shownFrame(page), 3, 'once in, the frame asked for');
      await drag(page, c, -30);
      assert.equal(await shownFrame(page), 0, 'back to the start, the frame itself once in');
      assert.deepEqual(record.errors, []);
      await page.close();
    } finally {
      await proxy.close();
    }
  });
});
