// The animated WebP that turnpixa-cli writes, decoded and playing in the
// browser, and the listing snippet for places that take no script: parsed
// by the browser it holds no script, no event attribute and no frame, only
// a link to the uploaded page around the uploaded animation.
//
// TURNPIXA_SITE  a webspace: gallery/anim.htm (WebP and GIF animations),
//                gallery/gifonly.htm (GIF only), gallery/plain.htm (none)
// TURNPIXA_CLI   turnpixa-cli, which prints the snippets
// TURNPIXA_SCREENSHOT  where to save a picture of the listing
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { openPage, startBrowser, startServer } from './harness.mjs';

const site = process.env.TURNPIXA_SITE;
const cli = process.env.TURNPIXA_CLI;

let server;
let browser;
let home;

before(async () => {
  server = await startServer(site);
  browser = await startBrowser();
  home = await mkdtemp(path.join(tmpdir(), 'turnpixa-listing-'));
});

after(async () => {
  await browser?.close();
  await server?.close();
  if (home) await rm(home, { recursive: true, force: true });
});

// The frame size the page announces.
async function pageSize(name) {
  const html = await readFile(path.join(site, 'gallery', name), 'utf8');
  const m = /<img id='turnpixa1' src='[^']*' width='(\d+)' height='(\d+)'>/.exec(html);
  assert.ok(m, `${name} has its img element`);
  return { width: Number(m[1]), height: Number(m[2]) };
}

// turnpixa-cli --snippet=listing NAME against the webspace of a session.
async function listingSnippet(session, name) {
  const settings = path.join(home, `${session}.ini`);
  const location = server.url(session, '').replace(/\/$/, '');
  await writeFile(settings, `WebspaceURL ${location}\nWebspaceSubFolder gallery\n`);
  // Not spawnSync: the server answering it runs in this process.
  const child = spawn(cli, ['--snippet=listing', name, '--settings', settings]);
  let snippet = '';
  let told = '';
  child.stdout.on('data', (d) => (snippet += d));
  child.stderr.on('data', (d) => (told += d));
  const status = await new Promise((resolve) => child.on('close', resolve));
  return { status, snippet, told, location };
}

// Distinct pictures of an element over about two seconds.
async function distinctPictures(page, selector) {
  const element = page.locator(selector);
  const seen = new Set();
  for (let i = 0; i < 12; i += 1) {
    seen.add((await element.screenshot()).toString('base64'));
    await page.waitForTimeout(170);
  }
  return seen.size;
}

test('the WebP animation decodes at the frame size and turns by itself', async () => {
  const { width, height } = await pageSize('anim.htm');
  const session = server.session();
  server.addPage(
    'view.htm',
    '<!DOCTYPE html><html><body style="margin:0">' +
      '<img id="spin" src="gallery/anim-turnpixa/spin.webp"></body></html>',
  );
  const { page, record } = await openPage(browser.context, server.url(session, 'view.htm'));
  await page.waitForFunction(() => document.getElementById('spin').complete);
  const shown = await page.evaluate(() => {
    const img = document.getElementById('spin');
    return { width: img.naturalWidth, height: img.naturalHeight };
  });
  assert.deepEqual(shown, { width, height }, 'decoded at the frame size');
  assert.deepEqual(record.errors, []);
  assert.ok(
    record.responses.some((r) => r.url.endsWith('/spin.webp') && r.status === 200),
    'the WebP came from the server',
  );
  const pictures = await distinctPictures(page, '#spin');
  assert.ok(pictures >= 6, `it animates: ${pictures} distinct pictures in 12 looks`);

  // Where the browser offers its image decoder, it counts the frames too.
  const decoded = await page.evaluate(async () => {
    if (typeof ImageDecoder === 'undefined') return null;
    const data = await (await fetch('gallery/anim-turnpixa/spin.webp')).arrayBuffer();
    const decoder = new ImageDecoder({ data, type: 'image/webp' });
    await decoder.tracks.ready;
    const track = decoder.tracks.selectedTrack;
    const frame = await decoder.decode({ frameIndex: 1 });
    return {
      frames: track.frameCount,
      repetitions: track.repetitionCount,
      ms: frame.image.duration / 1000,
    };
  });
  if (decoded) assert.deepEqual(decoded, { frames: 36, repetitions: Infinity, ms: 100 });
  await page.close();
});

test('the listing snippet is a linked animation with nothing active in it', async () => {
  const { width, height } = await pageSize('anim.htm');
  const session = server.session();
  const { status, snippet, told, location } = await listingSnippet(session, 'anim');
  assert.equal(status, 0, told);
  server.addPage('listing.htm', `<!DOCTYPE html><html><body>${snippet}</body></html>`);
  const { page, record } = await openPage(browser.context, server.url(session, 'listing.htm'));
  const parsed = await page.evaluate(() => {
    const all = [...document.body.querySelectorAll('*')];
    return {
      tags: all.map((e) => e.tagName.toLowerCase()),
      active: all.flatMap((e) =>
        [...e.attributes].filter((a) => /^on/i.test(a.name)).map((a) => a.name),
      ),
      scripts: document.querySelectorAll('script, iframe, frame, object, embed').length,
      links: [...document.querySelectorAll('a[href]')].map((a) => a.href),
      images: [...document.querySelectorAll('a > img[src]')].map((img) => ({
        src: img.src,
        width: img.getAttribute('width'),
        height: img.getAttribute('height'),
        alt: img.alt,
        loaded: img.complete && img.naturalWidth > 0,
      })),
    };
  });
  assert.deepEqual(parsed.tags, ['a', 'img']);
  assert.deepEqual(parsed.active, []);
  assert.equal(parsed.scripts, 0);
  assert.deepEqual(parsed.links, [`${location}/gallery/anim.htm`]);
  assert.equal(parsed.images.length, 1);
  const [img] = parsed.images;
  assert.equal(img.src, `${location}/gallery/anim-turnpixa/spin.webp`, 'WebP where there is one');
  assert.deepEqual([img.width, img.height], [String(width), String(height)]);
  assert.ok(img.alt.length > 0 && img.alt.length < 80, `a short alt text: ${img.alt}`);
  assert.ok(img.loaded, 'the animation loads');
  assert.ok((await distinctPictures(page, 'img')) >= 6, 'and turns');
  if (process.env.TURNPIXA_SCREENSHOT) await page.screenshot({ path: process.env.TURNPIXA_SCREENSHOT });

  // The link leads to the uploaded spin page.
  await Promise.all([page.waitForURL(/\/gallery\/anim\.htm$/), page.click('a')]);
  assert.ok(record.responses.some((r) => r.url.endsWith('/gallery/anim.htm') && r.status === 200));
  await page.close();
});

test('a set with only a GIF gets the GIF, one without any gets no snippet', async () => {
  const session = server.session();
  const gif = await listingSnippet(session, 'gifonly');
  assert.equal(gif.status, 0, gif.told);
  assert.match(gif.snippet, new RegExp(`src='${gif.location}/gallery/gifonly-turnpixa/spin\\.gif'`));

  const none = await listingSnippet(session, 'plain');
  assert.equal(none.status, 1);
  assert.equal(none.snippet, '', 'no snippet is offered');
  assert.match(none.told, /has no animated image/);
  // It asked the uploaded frame folder for both.
  const asked = server.log.filter((e) => e.session === session).map((e) => e.path);
  assert.ok(asked.includes('gallery/plain-turnpixa/spin.webp'), asked.join(' '));
  assert.ok(asked.includes('gallery/plain-turnpixa/spin.gif'), asked.join(' '));
});
