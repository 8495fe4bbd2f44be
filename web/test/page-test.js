// The page in headless Chromium (Debian's), opened from file:// with a setting in its hash.
//   node page-test.js INDEX_HTML NATIVE_EXPORTER TMP_DIR [AGV_BENCH]
// AGV_BENCH: the native benchmarks, run here for the computation times of the default
// cosine and of the demo ellipse, to compare the speeds in the same run. With --screenshot FILE after the arguments it
// only saves a picture of the page. Exit status 0 when every check passed.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [indexHtml, nativeExport, tmp, bench = ''] = process.argv.slice(2);

// The native times (ms) of the two computations, or '' without the benchmark program.
function nativeTimes() {
  if (!bench || !fs.existsSync(bench)) return '';
  const out = execFileSync(bench, ['--benchmark_filter=BM_compute_(default_cosine_kind0|ellipse_kind4)$',
    '--benchmark_format=json', '--benchmark_min_time=0.5'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  return JSON.parse(out).benchmarks.map((b) => b.real_time).join(',');
}
const shotAt = process.argv.indexOf('--screenshot');
const compare = path.join(__dirname, '../../scripts/compare-csv.sh');
let failures = 0;

function check(ok, what) {
  console.log(`${ok ? 'ok' : 'FAIL'}: ${what}`);
  if (!ok) ++failures;
}

// The page's CSV against the native exporter's for the same options, within 1e-10.
function sameAsNative(options, csv, wheels, what) {
  const args = options.split(' ').concat(['--out', `${tmp}/n.csv`, '--wheels', `${tmp}/n-w.csv`]);
  execFileSync(nativeExport, args);
  fs.writeFileSync(`${tmp}/p.csv`, csv);
  fs.writeFileSync(`${tmp}/p-w.csv`, wheels);
  for (const [a, b] of [['n.csv', 'p.csv'], ['n-w.csv', 'p-w.csv']]) {
    try {
      execFileSync('bash', [compare, `${tmp}/${a}`, `${tmp}/${b}`, '1e-10'], { stdio: 'pipe' });
      check(true, `${what}: ${b} equals the native exporter's within 1e-10`);
    } catch (e) {
      check(false, `${what}: ${b}: ${e.stdout}`);
    }
  }
}

// The images of a GIF file, its blocks walked; -1 when they do not end in its trailer.
function gifImages(b) {
  const table = (flags) => (flags & 0x80 ? 3 << ((flags & 7) + 1) : 0);
  let i = 13 + table(b[10]), n = 0;
  while (i < b.length && b[i] !== 0x3b) {
    if (b[i] === 0x2c) ++n, i += 11 + table(b[i + 9]);  // image: descriptor, palette, LZW size
    else i += 2;  // extension: introducer, label
    while (i < b.length && b[i]) i += b[i] + 1;  // sub-blocks up to the empty one
    ++i;
  }
  return i === b.length - 1 ? n : -1;
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: process.env.AGV_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--lang=ja'],
  });
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  await page.setViewport(shotAt > 0 ? { width: 1600, height: 820, deviceScaleFactor: 1 }
    : { width: 1280, height: 720, deviceScaleFactor: 1 });
  const demo = '--path 11 --error 4 5 10';
  const url = 'file://' + indexHtml + '#' + encodeURIComponent(demo + (shotAt > 0 ? ' --lang ja' : ''));
  const opened = Date.now();
  await page.goto(url);
  await page.waitForFunction('window.agvsim && window.agvsim.ready', { timeout: 20000 });
  const firstPicture = Date.now() - opened;

  if (shotAt > 0) {
    await page.evaluate(() => agvsim.show(1, 300));
    await page.screenshot({ path: process.argv[shotAt + 1] });
    await browser.close();
    return;
  }
  check(errors.length === 0, `ready in ${firstPicture} ms with no page error ${errors.join('; ')}`);
  check(firstPicture < 2000, `first picture within 2 s of opening (${firstPicture} ms)`);

  const csvOf = () => page.evaluate(() => [agvsim.csv(), agvsim.csv('wheels')]);
  const [csv, wheels] = await csvOf();
  sameAsNative(demo, csv, wheels, demo);

  // The red and blue motions on the canvas.
  const colours = await page.evaluate(() => {
    const c = document.getElementById('frame');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    // The projector style's red and blue (#d64a00, #0066c7), give or take antialiasing.
    const near = (i, r, g, b) => Math.abs(d[i] - r) + Math.abs(d[i + 1] - g) + Math.abs(d[i + 2] - b) < 60;
    let red = 0, blue = 0;
    for (let i = 0; i < d.length; i += 4) {
      if (near(i, 0xd6, 0x4a, 0x00)) ++red;
      if (near(i, 0x00, 0x66, 0xc7)) ++blue;
    }
    return { red, blue };
  });
  check(colours.red > 50 && colours.blue > 50, `red and blue motions drawn (${JSON.stringify(colours)})`);

  // ArrowUp changes the result, ArrowDown gives it back; the controls and the address follow.
  await page.focus('#frame');
  await page.keyboard.press('ArrowUp');
  const [up] = await csvOf();
  const state = await page.evaluate(() => ({
    hash: decodeURIComponent(location.hash.slice(1)), options: agvsim.options(),
    field: document.getElementById('value0').value, kind: document.getElementById('kind').value,
    path: document.getElementById('path').value,
  }));
  check(up !== csv, 'ArrowUp changes the result');
  check(state.hash === '--path 11 --error 4 5.1 10' && state.hash === state.options &&
    state.field === '5.1' && state.kind === '4' && state.path === '11',
  `the controls and the address agree (${JSON.stringify(state)})`);
  await page.keyboard.press('ArrowDown');
  const [down] = await csvOf();
  check(down === csv, 'ArrowDown gives the result back');
  await page.keyboard.press('b');
  const ghost = await page.evaluate(() => JSON.parse(agvsim.frame()).parts.some((p) => p.name === 'ghost'));
  await page.keyboard.press('b');
  check(ghost, 'b shows the motion of the setting before');

  // The window's other keys: m the three types side by side (kept in the address), r the
  // next path, k the next error kind at a size worth seeing; a link takes both back.
  await page.keyboard.press('m');
  const sideBySide = await page.evaluate(() => [location.hash, JSON.parse(agvsim.frame()).parts.map((p) => p.name)]);
  check(decodeURIComponent(sideBySide[0]).endsWith(' --view compare') && sideBySide[1].includes('compare'),
    `m shows the three types side by side (${sideBySide[0]})`);
  await page.keyboard.press('m');
  await page.keyboard.press('r');
  await page.keyboard.press('k');
  const keyed = await page.evaluate(() => agvsim.options());
  check(keyed === '--path 12 --error 5 5', `r and k change the path and the kind (${keyed})`);
  await page.evaluate(() => agvsim.set('--path 11 --error 4 5 10 --type 3 --view compare'));
  const linked = await page.evaluate(() => [agvsim.options(), agvsim.shown.type, agvsim.shown.compare]);
  check(linked[0] === '--path 11 --error 4 5 10 --type 3 --view compare' && linked[1] === 3 && linked[2],
    `a link's type and view are taken (${linked.join(', ')})`);
  await page.evaluate(() => agvsim.set('--path 11 --error 4 5 10'));

  // Space plays the motion and pauses it again.
  await page.keyboard.press(' ');
  await new Promise((r) => setTimeout(r, 500));
  await page.keyboard.press(' ');
  const played = await page.evaluate(() => [agvsim.shown.step, agvsim.shown.playing]);
  check(played[0] > 0 && !played[1], `Space plays and pauses (step ${played[0]})`);

  // Other settings, slip and fractions and full-width digits included.
  for (const s of ['--path 1 --error 5 3', '--path 3 --error 4 -1.5 2', '--path 14 --error 5 1/2',
    '--path 16 --error 1 ２ −１']) {
    const status = await page.evaluate((o) => agvsim.set(o), s);
    const [c, w] = await csvOf();
    check(status === 0, `${s}: computed`);
    sameAsNative(s, c, w, s);
  }
  const refused = await page.evaluate(() => [agvsim.set('--path 7'), agvsim.message]);
  check(refused[0] === 2 && refused[1].length > 0, `a bad setting is told: ${refused[1]}`);

  // Typed into a control: a fraction.
  await page.evaluate(() => agvsim.set('--path 11 --error 4 5 10'));
  await page.click('#value1', { count: 3 });
  await page.type('#value1', '21/2');
  await page.keyboard.press('Tab');
  const typed = await page.evaluate(() => decodeURIComponent(location.hash.slice(1)));
  check(typed === '--path 11 --error 4 5 21/2', `a typed fraction reaches the address (${typed})`);

  // Downloads: the PNG and the CSV.
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: tmp });
  await page.click('#savePng');
  await page.click('#saveCsv');
  const arrived = async (name, tries = 100) => {
    for (let i = 0; i < tries && !fs.existsSync(`${tmp}/${name}`); ++i) await new Promise((r) => setTimeout(r, 100));
    return fs.existsSync(`${tmp}/${name}`) ? fs.readFileSync(`${tmp}/${name}`) : null;
  };
  const png = await arrived('agvsim.png');
  check(png && png.subarray(1, 4).toString() === 'PNG', 'the PNG download arrives');
  const saved = await arrived('agvsim.csv');
  const current = await page.evaluate(() => agvsim.csv());
  check(saved && saved.toString() === current, 'the CSV download arrives, as csv() gives it');
  // A GIF whose setting changes while it is made is dropped.
  await page.evaluate(() => {
    document.getElementById('saveGif').click();
    agvsim.set('--path 1');
  });
  await page.waitForFunction(() => !document.getElementById('saveGif').hasAttribute('aria-busy'));
  const stopped = await page.evaluate(() => document.getElementById('message').textContent);
  check(stopped.includes('GIF') && !fs.existsSync(`${tmp}/agvsim.gif`),
    `a changed setting stops the GIF: ${stopped}`);
  // The GIF of the demo's motion, its time and size told; the shown frame left as it was. The
  // canvas of 896 x 720 is not scaled down: the GIF's first picture is the canvas's at the start,
  // but for the status line (playing), so the two differ in few pixels (an upside-down picture: 17 %).
  await page.setViewport({ width: 1200, height: 720, deviceScaleFactor: 1 });
  await page.evaluate(() => {
    agvsim.set('--path 11 --error 4 5 10');
    agvsim.show(1, 0);
  });
  const before = await page.evaluate(() => agvsim.frame());
  await page.click('#saveGif');
  const gif = await arrived('agvsim.gif', 600);
  const made = await page.evaluate(() => [agvsim.gif, agvsim.frame()]);
  const images = gif ? gifImages(gif) : 0;
  check(gif && gif.subarray(0, 6).toString() === 'GIF89a' && images > 1 && made[1] === before,
    `the GIF download arrives: ${images} images, ${JSON.stringify(made[0])}`);
  const differ = await page.evaluate(async (data) => {
    const img = new Image();
    img.src = 'data:image/gif;base64,' + data;
    await img.decode();
    const shown = document.getElementById('frame');
    const c = Object.assign(document.createElement('canvas'), { width: img.width, height: img.height });
    c.getContext('2d').drawImage(img, 0, 0);
    const a = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    const b = shown.getContext('2d').getImageData(0, 0, shown.width, shown.height).data;
    let n = 0;
    for (let i = 0; i < a.length; i += 4) n += Math.abs(a[i] - b[i]) + Math.abs(a[i + 1] - b[i + 1]) > 60;
    return [c.width, c.height, shown.width, shown.height, n / (a.length / 4)];
  }, gif ? gif.toString('base64') : '');
  check(differ[0] === differ[2] && differ[1] === differ[3] && differ[4] < 0.03,
    `the GIF's first picture is the canvas's (${differ.slice(0, 4).join(' x ')}, ${(100 * differ[4]).toFixed(2)} % differ)`);

  // Speed: the computation in Chromium against the native one, medians of 20 runs after 10
  // that let the browser's compiler settle, nothing drawn between them.
  const ms = await page.evaluate(() => ['--path 1', '--path 11 --error 4 5 10'].map((o) =>
    agvsim.computeTimes(o, 30).slice(10).sort((a, b) => a - b)[10]));
  const nativeMs = nativeTimes();
  if (nativeMs) {
    const native = nativeMs.split(',').map(Number);
    const ratio = ms.map((m, i) => m / native[i]);
    console.log(`computation: Chromium ${ms.map((m) => m.toFixed(1)).join(' / ')} ms, native ` +
      `${native.map((m) => m.toFixed(1)).join(' / ')} ms (cosine / ellipse): ` +
      `${ratio.map((r) => r.toFixed(2)).join(' / ')} times`);
  } else {
    console.log(`computation: Chromium ${ms.map((m) => m.toFixed(1)).join(' / ')} ms`);
  }
  check(errors.length === 0, `no page or console error at the end ${errors.join('; ')}`);

  // The same folder from a static web server (node's own, files as they are).
  const server = require('http').createServer((req, res) => {
    const file = path.join(path.dirname(indexHtml), path.basename(req.url.split('?')[0]));
    fs.readFile(file, (err, data) => {
      res.writeHead(err ? 404 : 200);
      res.end(err ? '' : data);
    });
  });
  await new Promise((r) => server.listen(0, '127.0.0.1', r));
  const served = await browser.newPage();
  const servedErrors = [];
  served.on('pageerror', (e) => servedErrors.push(String(e)));
  served.on('console', (m) => m.type() === 'error' && servedErrors.push(m.text()));
  await served.goto(`http://127.0.0.1:${server.address().port}/index.html#--path%201%20--error%205%203`);
  await served.waitForFunction('window.agvsim && window.agvsim.ready', { timeout: 20000 });
  check(servedErrors.length === 0, `ready from a web server with no error ${servedErrors.join('; ')}`);
  server.close();
  await browser.close();
  process.exit(failures ? 1 : 0);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
