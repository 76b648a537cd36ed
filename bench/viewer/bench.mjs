// Side by side on one set of frames: the written viewer page, js-cloudimage-360-view
// and SpriteSpin (with jQuery), each served from loopback to Debian's Chromium with
// the network and the CPU slowed through the DevTools protocol. Every figure is
// taken the same way for the three: from the network events of the page and from
// the pictures the compositor paints (a screencast), matched against the frames.
//
//   node bench.mjs --set DIR [--runs 3] [--out FILE] [--chromium PATH]
//
// DIR holds spin.htm, turnpixa.js and spin-turnpixa/ as turnpixa-cli wrote them
// (with zoom/ when the set has large frames).
import { createServer } from 'node:http';
import { mkdir, readFile, readdir, writeFile } from 'node:fs/promises';
import os from 'node:os';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';
import jpeg from 'jpeg-js';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(import.meta.url);

const args = parseArgs(process.argv.slice(2));
const setDir = path.resolve(args.set ?? fail('--set DIR is needed'));
const runs = Number(args.runs ?? 3);
const outFile = args.out ? path.resolve(args.out) : null;
const chromiumPath = args.chromium ?? '/usr/bin/chromium';
// --pictures DIR keeps, from the first run, what each viewer showed before and
// after the zoom gesture.
const picturesDir = args.pictures ? path.resolve(args.pictures) : null;

// Slow 4G as the figures are quoted: 150 ms latency, 1.6 Mbit/s down, 750 kbit/s up,
// the main thread four times slower.
const network = { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 };
const cpuRate = 4;
const viewport = { width: 640, height: 520 };
// A full turn for 360 px of drag on every viewer, as on the written page.
const pxPerTurn = 360;
const loadLimitMs = 30000;

function parseArgs(list) {
  const out = {};
  for (let i = 0; i < list.length; i++) {
    const m = /^--([a-z-]+)(?:=(.*))?$/.exec(list[i]);
    if (!m) fail(`unknown argument ${list[i]}`);
    out[m[1]] = m[2] ?? list[++i];
  }
  return out;
}

function fail(text) {
  console.error(`bench/viewer: ${text}`);
  process.exit(1);
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const median = (xs) => {
  const v = xs.filter((x) => Number.isFinite(x)).sort((a, b) => a - b);
  if (v.length === 0) return NaN;
  const m = v.length >> 1;
  return v.length & 1 ? v[m] : (v[m - 1] + v[m]) / 2;
};

// ---- the set ---------------------------------------------------------------

const frameDir = path.join(setDir, 'spin-turnpixa');
const frameNames = (await readdir(frameDir)).filter((n) => /^image_\d{3,}\.[a-z]+$/.test(n)).sort();
if (frameNames.length === 0) fail(`no frames in ${frameDir}`);
const frameExt = path.extname(frameNames[0]);
const stillName = `image${frameExt}`;
let zoomNames = [];
try {
  zoomNames = (await readdir(path.join(frameDir, 'zoom'))).filter((n) => frameNames.includes(n)).sort();
} catch {
  // no large frames
}
const spinPage = await readFile(path.join(setDir, 'spin.htm'), 'latin1');
const size = /<img id='turnpixa1'[^>]*width='(\d+)' height='(\d+)'/.exec(spinPage);
if (!size) fail('spin.htm has no turnpixa1 image with a size');
const frameW = Number(size[1]);
const frameH = Number(size[2]);
// The screencast is taken at half size (cheaper to code and to read); pictures
// are told apart by block means of 6 x 6 of its pixels (12 x 12 on the page).
const shotScale = 0.5;
const grid = 6;
const shotW = Math.round(frameW * shotScale);
const shotH = Math.round(frameH * shotScale);
const count = frameNames.length;
const frameUrls = frameNames.map((n) => `spin-turnpixa/${n}`);
const zoomUrls = zoomNames.map((n) => `spin-turnpixa/zoom/${n}`);

const libs = {
  'lib/js-cloudimage-360-view.min.js': require.resolve('js-cloudimage-360-view'),
  'lib/jquery.min.js': path.join(path.dirname(require.resolve('jquery')), 'jquery.min.js'),
  'lib/spritespin.min.js': path.join(path.dirname(require.resolve('spritespin')), 'spritespin.min.js'),
};

// The peers' pages: the same box in the same place as the written page (a centred
// picture 8 px below the top), the same frames, drag to turn at the same rate,
// their own zoom; their hints, logos and buttons off so the picture is the frame.
const pageHead = (title) =>
  `<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>${title}</title></head>\n<body style="margin:8px">\n<center>\n`;
const peerPages = {
  'cloudimage.htm':
    pageHead('cloudimage') +
    `<div id="spin" style="width:${frameW}px;height:${frameH}px"></div>\n</center>\n` +
    `<script src="lib/js-cloudimage-360-view.min.js"></script>\n<script>\n` +
    `window.CI360.init(document.getElementById('spin'), ${JSON.stringify({
      imageListX: frameUrls,
      amountX: count,
      dragSpeed: Math.round((50 * frameW) / pxPerTurn),
      initialIconShown: false,
      bottomCircle: false,
      hide360Logo: true,
      hints: false,
      scrollHint: false,
      zoomControls: false,
    })});\n</script>\n</body></html>\n`,
  'spritespin.htm':
    pageHead('SpriteSpin') +
    `<div id="spin"></div>\n</center>\n` +
    `<script src="lib/jquery.min.js"></script>\n<script src="lib/spritespin.min.js"></script>\n<script>\n` +
    `$('#spin').spritespin(${JSON.stringify({
      source: frameUrls,
      width: frameW,
      height: frameH,
      frames: count,
      sense: frameW / pxPerTurn,
      plugins: zoomUrls.length ? ['360', 'drag', 'zoom'] : ['360', 'drag'],
      // Its own double-click test takes any two presses within 500 ms, which
      // quick drags set off; it zooms with the wheel instead.
      ...(zoomUrls.length ? { zoomSource: zoomUrls, zoomUseClick: false, zoomUseWheel: true } : {}),
    })});\n</script>\n</body></html>\n`,
};

// --only NAME,NAME runs just those (to try a change on one viewer).
const only = args.only ? args.only.split(',') : null;
const viewers = [
  { name: 'TurnPixa', page: 'spin.htm', box: '#turnpixa1' },
  { name: 'cloudimage', page: 'cloudimage.htm', box: '#spin' },
  { name: 'SpriteSpin', page: 'spritespin.htm', box: '#spin', zoom: 'wheel' },
].filter((v) => !only || only.includes(v.name));
if (!viewers.length) fail(`--only ${args.only}: no such viewer`);

// ---- loopback server -------------------------------------------------------

const types = {
  '.htm': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.jpg': 'image/jpeg',
  '.png': 'image/png',
  '.webp': 'image/webp',
};
const compressible = new Set(['.htm', '.js']);
const gzipCache = new Map();

async function body(name) {
  if (peerPages[name]) return Buffer.from(peerPages[name]);
  if (libs[name]) return readFile(libs[name]);
  const file = path.resolve(setDir, name);
  if (!file.startsWith(setDir + path.sep)) throw new Error('outside');
  return readFile(file);
}

// Text goes out gzip-coded, as a web server would send it.
const server = createServer(async (req, res) => {
  const name = decodeURIComponent(new URL(req.url, 'http://x').pathname).replace(/^\/+/, '');
  try {
    const ext = path.extname(name).toLowerCase();
    let data = await body(name);
    const headers = { 'Content-Type': types[ext] ?? 'application/octet-stream', 'Cache-Control': 'max-age=3600' };
    if (compressible.has(ext) && /\bgzip\b/.test(req.headers['accept-encoding'] ?? '')) {
      if (!gzipCache.has(name)) gzipCache.set(name, zlib.gzipSync(data, { level: 9 }));
      data = gzipCache.get(name);
      headers['Content-Encoding'] = 'gzip';
    }
    headers['Content-Length'] = data.length;
    res.writeHead(200, headers);
    res.end(data);
  } catch {
    res.writeHead(404, { 'Content-Type': 'text/plain' });
    res.end('not found');
  }
});
await new Promise((r) => server.listen(0, '127.0.0.1', r));
const base = `http://127.0.0.1:${server.address().port}/`;

// ---- pictures --------------------------------------------------------------

// Block means of luma over a w x h picture in RGBA, blocks of `grid` px.
function blocks(rgba, stride, x0, y0, w, h, grid) {
  const bw = Math.floor(w / grid);
  const bh = Math.floor(h / grid);
  const out = new Float32Array(bw * bh);
  for (let by = 0; by < bh; by++) {
    for (let bx = 0; bx < bw; bx++) {
      let s = 0;
      for (let y = 0; y < grid; y += 2) {
        let i = ((y0 + by * grid + y) * stride + x0 + bx * grid) * 4;
        for (let x = 0; x < grid; x += 2, i += 8) s += 0.299 * rgba[i] + 0.587 * rgba[i + 1] + 0.114 * rgba[i + 2];
      }
      out[by * bw + bx] = s / ((grid / 2) * (grid / 2));
    }
  }
  return out;
}

function distance(a, b) {
  let s = 0;
  for (let i = 0; i < a.length; i++) s += Math.abs(a[i] - b[i]);
  return s / a.length;
}

// The frames as Chromium draws them into the box, reduced to blocks: these are
// what a painted picture is matched against (index count is the still).
async function referenceBlocks(browser) {
  const context = await browser.newContext({ viewport });
  const page = await context.newPage();
  await page.goto(`${base}spin.htm`);
  const urls = [...frameUrls, `spin-turnpixa/${stillName}`];
  const pictures = await page.evaluate(
    async ({ urls, w, h, grid, source }) => {
      const blocks = new Function(`return ${source}`)();
      const canvas = document.createElement('canvas');
      canvas.width = w;
      canvas.height = h;
      const g = canvas.getContext('2d');
      const out = [];
      for (const u of urls) {
        const img = new Image();
        img.src = u;
        await img.decode();
        g.clearRect(0, 0, w, h);
        g.drawImage(img, 0, 0, w, h);
        out.push(Array.from(blocks(g.getImageData(0, 0, w, h).data, w, 0, 0, w, h, grid)));
      }
      return out;
    },
    { urls, w: shotW, h: shotH, grid, source: blocks.toString() },
  );
  await context.close();
  return pictures.map((p) => Float32Array.from(p));
}

// ---- one run ---------------------------------------------------------------

async function run(browser, viewer, refs, keepPictures, runIndex) {
  const context = await browser.newContext({ viewport, deviceScaleFactor: 1 });
  const page = await context.newPage();
  await page.addInitScript(() => {
    window.__longest = 0;
    try {
      new PerformanceObserver((list) => {
        for (const e of list.getEntries()) {
          if (e.duration > window.__longest) window.__longAt = Math.round(e.startTime);
          window.__longest = Math.max(window.__longest, e.duration);
        }
      }).observe({ type: 'longtask', buffered: true });
    } catch {
      window.__longest = -1;
    }
  });
  const cdp = await context.newCDPSession(page);
  const requests = new Map();
  let docRequest = null;
  cdp.on('Network.requestWillBeSent', (e) => {
    const r = { url: e.request.url, type: e.type, start: e.timestamp, wall: e.wallTime, chunks: [], end: null, bytes: 0, ok: false };
    requests.set(e.requestId, r);
    if (e.type === 'Document' && !docRequest) docRequest = r;
  });
  cdp.on('Network.dataReceived', (e) => {
    const r = requests.get(e.requestId);
    if (r) r.chunks.push([e.timestamp, e.encodedDataLength || e.dataLength]);
  });
  cdp.on('Network.responseReceived', (e) => {
    const r = requests.get(e.requestId);
    if (r) r.ok = e.response.status === 200;
  });
  cdp.on('Network.loadingFinished', (e) => {
    const r = requests.get(e.requestId);
    if (r) {
      r.end = e.timestamp;
      r.bytes = e.encodedDataLength;
    }
  });
  const shots = [];
  cdp.on('Page.screencastFrame', (e) => {
    cdp.send('Page.screencastFrameAck', { sessionId: e.sessionId }).catch(() => {});
    shots.push({ wall: e.metadata.timestamp * 1000, data: e.data, meta: e.metadata });
  });
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', network);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: cpuRate });
  await cdp.send('Page.startScreencast', {
    format: 'jpeg',
    quality: 80,
    maxWidth: viewport.width * shotScale,
    maxHeight: viewport.height * shotScale,
    everyNthFrame: 1,
  });

  const isFrame = (r) => r.ok && r.end !== null && frameUrls.some((u) => r.url === base + u);
  const framesIn = () => new Set([...requests.values()].filter(isFrame).map((r) => r.url)).size;

  // Drags of 30 px across the middle of the box, one after another from the
  // moment of navigation until all frames are in and two seconds more.
  // Input goes straight through the protocol; a drag's events are sent together
  // and the next drag waits until the page has taken them.
  const mouse = (type, x, y, extra = {}) =>
    cdp.send('Input.dispatchMouseEvent', { type, x, y, button: 'left', buttons: type === 'mouseReleased' ? 0 : 1,
      clickCount: 1, ...extra });
  const move = (x, y, buttons) => cdp.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y, buttons,
    button: buttons ? 'left' : 'none' });
  const cx = viewport.width / 2;
  const cy = 8 + frameH / 2;
  const navigation = page.goto(base + viewer.page, { waitUntil: 'commit' }).catch(() => {});
  const t0 = Date.now();
  let allInAt = null;
  let dragsSent = 0;
  while (Date.now() - t0 < loadLimitMs) {
    if (allInAt === null && framesIn() >= count) allInAt = Date.now();
    if (allInAt !== null && Date.now() - allInAt > 2000) break;
    // Forth and back by turns, as a visitor tries it, so that a drag always
    // asks for frames next to the start.
    const d = dragsSent % 2 ? -1 : 1;
    await Promise.all([
      move(cx - 15 * d, cy, 0),
      mouse('mousePressed', cx - 15 * d, cy),
      move(cx - 7 * d, cy, 1),
      move(cx, cy, 1),
      move(cx + 7 * d, cy, 1),
      move(cx + 15 * d, cy, 1),
      mouse('mouseReleased', cx + 15 * d, cy),
    ]).catch(() => {});
    dragsSent++;
    await sleep(100);
  }
  await navigation;
  // The box as laid out (where the page put it; if the viewer replaced the
  // element, where every page puts it: centred, 8 px from the top).
  const laidOut = await page
    .evaluate((sel) => {
      const e = document.querySelector(sel);
      const r = e && e.getBoundingClientRect();
      return r && r.width > 0 ? { x: Math.round(r.left), y: Math.round(r.top), w: Math.round(r.width), h: Math.round(r.height) } : null;
    }, viewer.box)
    .catch(() => null);
  const rect = laidOut ?? { x: Math.round((viewport.width - frameW) / 2), y: 8, w: frameW, h: frameH };

  // A steady drag: one turn a second, back and forth over 360 px, for 3 s,
  // a mouse move every 16 ms.
  await sleep(500);
  const left = rect.x + (rect.w - pxPerTurn) / 2;
  const my = rect.y + rect.h / 2;
  await move(left, my, 0);
  // Animation frames the page's main thread gets during it, for comparison.
  await page.evaluate(() => {
    window.__rafs = 0;
    const tick = () => {
      window.__rafs++;
      if (window.__rafs >= 0) requestAnimationFrame(tick);
    };
    requestAnimationFrame(tick);
  });
  await mouse('mousePressed', left, my);
  const dragStart = Date.now();
  const dragMs = 3000;
  for (let i = 1; ; i++) {
    const t = Date.now() - dragStart;
    if (t >= dragMs) break;
    const phase = (t / 1000) % 2;
    await move(left + pxPerTurn * (phase < 1 ? phase : 2 - phase), my, 1);
    const wait = dragStart + i * 16 - Date.now();
    if (wait > 0) await sleep(wait);
  }
  const dragEnd = Date.now();
  await mouse('mouseReleased', left, my);
  const rafs = await page.evaluate(() => {
    const n = window.__rafs;
    window.__rafs = -1e9;
    return n;
  });

  // A zoom gesture in the middle of the picture (a double click, or a wheel
  // step up where that is the viewer's zoom), then 5 s still (longer while a
  // large frame is still on its way).
  await sleep(1500);
  const zx = rect.x + rect.w / 2;
  const zy = rect.y + rect.h / 2;
  await move(zx, zy, 0);
  const zoomAt = Date.now();
  if (viewer.zoom === 'wheel') {
    await cdp.send('Input.dispatchMouseEvent', { type: 'mouseWheel', x: zx, y: zy, deltaX: 0, deltaY: -120 });
  } else {
    await Promise.all([
      mouse('mousePressed', zx, zy),
      mouse('mouseReleased', zx, zy),
      mouse('mousePressed', zx, zy, { clickCount: 2 }),
      mouse('mouseReleased', zx, zy, { clickCount: 2 }),
    ]);
  }
  const zoomLimit = zoomAt + 12000;
  while (Date.now() < zoomLimit) {
    await sleep(250);
    const large = [...requests.values()].filter((r) => r.url.includes('/zoom/'));
    if (Date.now() - zoomAt > 5000 && large.every((r) => r.end !== null)) break;
  }
  const zoomEnd = Date.now();
  const [longest, longestAt] = await page
    .evaluate(() => [window.__longest, window.__longAt ?? null])
    .catch(() => [-1, null]);
  await cdp.send('Page.stopScreencast').catch(() => {});
  await context.close();
  if (keepPictures) {
    await mkdir(keepPictures, { recursive: true });
    const before = shots.filter((s) => s.wall < zoomAt).at(-1);
    for (const [tag, shot] of [['before-zoom', before], ['after-zoom', shots.at(-1)]]) {
      if (shot) await writeFile(path.join(keepPictures, `${viewer.name}-${tag}.jpg`), Buffer.from(shot.data, 'base64'));
    }
  }

  const figures = analyse({ viewer, refs, requests: [...requests.values()], docRequest, shots, rect, longest,
    allInAt, dragsSent, dragStart, dragEnd, zoomAt, zoomEnd, rafs });
  // When the longest task began, in ms from navigation start, and in which part of the run.
  figures.longestAt = longestAt;
  figures.dragFrom = Math.round(dragStart - figures.navWall);
  figures.zoomFrom = Math.round(zoomAt - figures.navWall);
  delete figures.navWall;
  if (picturesDir) {
    await mkdir(picturesDir, { recursive: true });
    await writeFile(path.join(picturesDir, `${viewer.name}-timeline-${runIndex + 1}.json`), JSON.stringify(figures.timeline));
    // Every request: file, sent and finished in ms from navigation, bytes.
    const ms = (t) => (t === null ? null : Math.round((t - docRequest.start) * 1000));
    const log = [...requests.values()].map((r) => [r.url.replace(/.*\//, ''), ms(r.start), ms(r.end), r.bytes]);
    await writeFile(path.join(picturesDir, `${viewer.name}-requests-${runIndex + 1}.json`), JSON.stringify(log));
    // The picture taken for the first turn, to look at.
    const turned = shots.find((s) => Math.round(s.wall - navWallOf(docRequest)) === Math.round(figures.firstTurn));
    if (turned) {
      await writeFile(path.join(picturesDir, `${viewer.name}-first-turn-${runIndex + 1}.jpg`), Buffer.from(turned.data, 'base64'));
    }
  }
  delete figures.timeline;
  return figures;
}

const navWallOf = (doc) => doc.wall * 1000;

// ---- figures from one run ---------------------------------------------------

function analyse(r) {
  const { requests, docRequest, shots, rect, refs } = r;
  if (!docRequest) throw new Error(`${r.viewer.name}: no document request seen`);
  // Network times are on a monotonic clock; the document request gives both.
  const offset = docRequest.wall - docRequest.start;
  const navWall = docRequest.wall * 1000;
  const wallOf = (ts) => (ts + offset) * 1000;
  const bytesUntil = (wall) => {
    let sum = 0;
    for (const q of requests) {
      if (q.end !== null && wallOf(q.end) <= wall) sum += q.bytes;
      else for (const [ts, n] of q.chunks) if (wallOf(ts) <= wall) sum += n;
    }
    return sum;
  };

  // What each painted picture shows: the nearest frame, if it is near enough.
  const still = refs.length - 1;
  const gaps = [];
  for (let i = 0; i < still; i++) gaps.push(distance(refs[i], refs[(i + 1) % still]));
  const accept = median(gaps) / 2;
  // The box in the screencast's pixels.
  const bx = Math.round(rect.x * shotScale);
  const by = Math.round(rect.y * shotScale);
  const bw = Math.round(rect.w * shotScale);
  const bh = Math.round(rect.h * shotScale);
  // Luma of the box, kept only around the zoom gesture.
  const crop = (img) => {
    const g = new Float32Array(bw * bh);
    let k = 0;
    for (let y = 0; y < bh; y++) {
      for (let x = 0; x < bw; x++) {
        const i = ((by + y) * img.width + bx + x) * 4;
        g[k++] = 0.299 * img.data[i] + 0.587 * img.data[i + 1] + 0.114 * img.data[i + 2];
      }
    }
    return g;
  };
  const lastBeforeZoom = shots.findLastIndex((s) => s.wall < r.zoomAt);
  const seen = shots.map((s, n) => {
    const img = jpeg.decode(Buffer.from(s.data, 'base64'), { useTArray: true, formatAsRGBA: true });
    const wall = s.wall;
    if (Math.abs(img.width - s.meta.deviceWidth * shotScale) > 1 || bx + bw > img.width || by + bh > img.height) {
      return { wall, frame: null };
    }
    const b = blocks(img.data, img.width, bx, by, shotW, shotH, grid);
    let best = null;
    let bestD = Infinity;
    refs.forEach((ref, i) => {
      const d = distance(b, ref);
      if (d < bestD) {
        bestD = d;
        best = i;
      }
    });
    // The still is the start frame's angle.
    const frame = bestD <= accept ? (best === still ? 0 : best) : null;
    return { wall, frame, d: bestD, crop: n >= lastBeforeZoom ? crop(img) : null };
  });

  const firstPaint = seen.find((s) => s.frame !== null);
  // Every viewer starts on the first frame; a drag may turn it before the first
  // picture is painted.
  const firstTurn = seen.find((s) => s.wall < r.dragStart && s.frame !== null && s.frame !== 0);
  // All frames in: every frame's first arrival.
  const arrived = new Map();
  for (const q of requests) {
    if (!q.ok || q.end === null || !frameUrls.some((u) => q.url === base + u)) continue;
    arrived.set(q.url, Math.min(arrived.get(q.url) ?? Infinity, wallOf(q.end)));
  }
  const allIn = arrived.size >= count ? Math.max(...arrived.values()) : NaN;

  // Frames shown a second during the steady drag: changes of the frame shown.
  const from = r.dragStart + 250;
  let changes = 0;
  let last = null;
  for (const s of seen) {
    if (s.wall < from || s.wall > r.dragEnd || s.frame === null) continue;
    if (last !== null && s.frame !== last) changes++;
    last = s.frame;
  }
  const fps = (changes * 1000) / (r.dragEnd - from);
  const shotsPerSecond = (seen.filter((s) => s.wall >= from && s.wall <= r.dragEnd).length * 1000) / (r.dragEnd - from);

  // Zoom: the large frame is shown once the picture has settled into what it
  // shows at the end (large frames fetched, the box no longer what it was).
  let zoomMs = NaN;
  let zoomNote = '';
  const large = requests.filter((q) => q.url.includes('/zoom/'));
  const inBox = seen.filter((d) => d.crop);
  if (large.length === 0) {
    zoomNote = 'no large frame fetched';
  } else {
    const before = inBox.filter((d) => d.wall < r.zoomAt).at(-1);
    const after = inBox.filter((d) => d.wall >= r.zoomAt && d.wall <= r.zoomEnd);
    if (!before || after.length === 0) {
      zoomNote = 'nothing painted after the gesture';
    } else {
      const final = after.at(-1).crop;
      if (large.some((q) => q.wall * 1000 < r.zoomAt - 50)) zoomNote = 'large frames fetched before the gesture';
      if (distance(final, before.crop) < 2) {
        zoomNote = 'the picture did not change';
      } else {
        let settled = after.length - 1;
        while (settled > 0 && distance(after[settled - 1].crop, final) < 1.5) settled--;
        zoomMs = after[settled].wall - r.zoomAt;
        if (large.some((q) => q.end === null)) zoomNote = 'a large frame never arrived';
      }
    }
  }

  const scripts = requests.filter((q) => q.type === 'Script' && q.ok);
  return {
    scriptGzip: NaN, // filled in from the files the page fetched
    scriptUrls: scripts.map((q) => q.url),
    bytesBeforeTurn: firstTurn ? bytesUntil(firstTurn.wall) : NaN,
    firstPaint: firstPaint ? firstPaint.wall - navWall : NaN,
    firstTurn: firstTurn ? firstTurn.wall - navWall : NaN,
    allIn: allIn - navWall,
    zoom: zoomMs,
    zoomNote,
    fps,
    longest: r.longest,
    pictures: shots.length,
    shotsPerSecond,
    rafsPerSecond: (r.rafs * 1000) / (r.dragEnd - r.dragStart),
    frameRequests: requests.filter((q) => frameUrls.some((u) => q.url === base + u)).length,
    zoomRequests: large.length,
    drags: r.dragsSent,
    // What each picture showed, in ms from navigation start.
    navWall,
    timeline: seen.map((x) => [Math.round(x.wall - navWall), x.frame, x.d === undefined ? null : Number(x.d.toFixed(1))]),
  };
}

async function scriptGzipBytes(urls) {
  let sum = 0;
  for (const u of new Set(urls)) {
    const name = decodeURIComponent(new URL(u).pathname).replace(/^\/+/, '');
    sum += zlib.gzipSync(await body(name), { level: 9 }).length;
  }
  return sum;
}

// ---- all runs and the table -------------------------------------------------

const browser = await chromium.launch({
  executablePath: chromiumPath,
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run', '--disable-quic', '--disable-renderer-backgrounding'],
});
const refs = await referenceBlocks(browser);
const results = new Map(viewers.map((v) => [v.name, []]));
for (let i = 0; i < runs; i++) {
  for (const v of viewers) {
    const started = Date.now();
    console.error(`run ${i + 1}/${runs} ${v.name} ...`);
    const loadBefore = os.loadavg()[0];
    const res = await run(browser, v, refs, i === 0 && picturesDir, i);
    res.load = (loadBefore + os.loadavg()[0]) / 2;
    res.scriptGzip = await scriptGzipBytes(res.scriptUrls);
    results.get(v.name).push(res);
    console.error(`run ${i + 1}/${runs} ${v.name}: ${JSON.stringify({ ...res, scriptUrls: undefined })} ` +
      `(${((Date.now() - started) / 1000).toFixed(1)} s)`);
  }
}
await browser.close();
server.close();

const kb = (n) => `${(n / 1024).toFixed(1)} KB`;
const ms = (n) => `${Math.round(n)} ms`;
const rows = [
  ['script (gzip)', 'scriptGzip', kb],
  ['bytes before the first drag turns it', 'bytesBeforeTurn', kb],
  ['first frame painted', 'firstPaint', ms],
  ['first drag that turns it', 'firstTurn', ms],
  ['all frames in', 'allIn', ms],
  ['zoom gesture to large frame shown', 'zoom', ms],
  ['frames shown a second, steady drag', 'fps', (n) => n.toFixed(1)],
  ['longest main-thread task', 'longest', (n) => (n > 0 ? ms(n) : '< 50 ms')],
];
const cell = (name, key, format) => {
  const list = results.get(name);
  const values = list.map((r) => r[key]);
  const m = median(values);
  if (key === 'longest') return values.some((v) => v < 0) ? 'n/a' : format(m);
  if (key === 'zoom' && !Number.isFinite(m)) return 'n/a';
  if (!Number.isFinite(m)) return `none (${list.filter((r) => !Number.isFinite(r[key])).length}/${list.length} runs)`;
  const missing = values.filter((v) => !Number.isFinite(v)).length;
  return format(m) + (missing ? ` (${values.length - missing}/${values.length} runs)` : '');
};
const names = viewers.map((v) => v.name);
const lines = [
  `| ${count} frames ${frameW} x ${frameH}, median of ${runs} | ${names.join(' | ')} |`,
  `|---|${names.map(() => '---').join('|')}|`,
  ...rows.map(([label, key, format]) => `| ${label} | ${names.map((n) => cell(n, key, format)).join(' | ')} |`),
];
const zoomNotes = names
  .map((n) => [n, [...new Set(results.get(n).map((r) => r.zoomNote).filter(Boolean))]])
  .filter(([, notes]) => notes.length)
  .map(([n, notes]) => `${n}: ${notes.join('; ')}`);
const text =
  lines.join('\n') +
  '\n\n' +
  `Chromium ${browser.version()}, ${network.latency} ms latency, ${network.downloadThroughput * 8 / 1e6} Mbit/s down, ` +
  `${network.uploadThroughput * 8 / 1e3} kbit/s up, CPU ${cpuRate} x slower; cold cache every run.` +
  (zoomNotes.length ? `\nZoom: ${zoomNotes.join('. ')}.` : '') +
  `\nScreen pictures captured a second during the steady drag (a ceiling for frames shown): ` +
  names.map((n) => `${n} ${median(results.get(n).map((r) => r.shotsPerSecond)).toFixed(1)}`).join(', ') +
  `; animation frames a second on the main thread: ` +
  names.map((n) => `${n} ${median(results.get(n).map((r) => r.rafsPerSecond)).toFixed(1)}`).join(', ') + '.' +
  `\nLoad average during the runs: ${median([...results.values()].flat().map((r) => r.load)).toFixed(1)} on ${os.cpus().length} cores.` +
  '\n';
process.stdout.write(text);
if (outFile) await writeFile(outFile, text);
