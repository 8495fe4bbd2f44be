// The page: the setting as the exporter's command line (also the address's hash), the
// controls that edit it, the module that computes and composes the frame, and the canvas
// it is drawn on. window.agvsim is the interface for scripts and tests.
'use strict';

(() => {
  // The page's words in the language shown, from the programs' catalogue (agv_page_words);
  // fill() puts values into those that are printf formats.
  let t = {};
  const fill = (format, ...values) => format.replace(/%[ds%]/g, (m) => (m === '%%' ? '%' : String(values.shift())));
  const kindValues = [[], ['left', 'right'], ['radius'], ['drift'], ['wheelBase', 'tread'], ['slip']];
  const speeds = [0.25, 0.5, 1, 2, 4, 8];
  const coarse = 10;  // tenths that Shift+↑/↓ add, where ↑/↓ add one
  const $ = (id) => document.getElementById(id);

  // The setting: what the command line says, the error values as typed.
  const setting = { path: 1, constants: {}, kind: 0, values: ['0', '0'] };
  const shown = { type: 1, compare: false, ghost: false, step: 0, playing: false, speed: 2, zoom: 1, dx: 0, dy: 0 };
  let mod = null, lang = 'ja', paths = [], frameText = '', lastTime = 0, computeCount = 0;

  const api = { ready: false, status: 0, message: '', computeMs: 0 };
  window.agvsim = api;

  function options() {
    const o = ['--path', String(setting.path)];
    for (const [name, value] of Object.entries(setting.constants)) o.push('--const', `${name}=${value}`);
    if (setting.kind) {
      o.push('--error', String(setting.kind));
      const n = [0, 2, 1, 1, 2, 1][setting.kind];
      for (let i = 0; i < n; ++i) o.push(setting.values[i]);
    }
    return o.join(' ');
  }

  // The address's options: the setting, then how it is shown where that is not the default
  // (agvsim-export reads them all when it makes a picture).
  function hashOptions() {
    return options() + (shown.type !== 1 ? ` --type ${shown.type}` : '') +
      (shown.compare ? ' --view compare' : '');
  }

  function showHash() {
    history.replaceState(null, '', '#' + encodeURIComponent(hashOptions()));
  }

  // The last record shown: the type's, or the longest of the three side by side.
  function lastStep() {
    const last = (t) => mod._agv_last_step(t);
    return shown.compare ? Math.max(last(1), last(2), last(3)) : last(shown.type);
  }

  // Reads the options of a command line into the setting (what the page has controls for).
  function readOptions(text) {
    const w = text.trim().split(/\s+/);
    const s = { path: 1, constants: {}, kind: 0, values: ['0', '0'], type: 1, compare: false };
    for (let i = 0; i < w.length; ++i) {
      if (w[i] === '--path') s.path = Number(w[++i]);
      else if (w[i] === '--const') {
        const [name, value] = (w[++i] || '').split('=');
        s.constants[name] = value;
      } else if (w[i] === '--error') {
        s.kind = Number(w[++i]);
        for (let j = 0; j < 2 && i + 1 < w.length && !w[i + 1].startsWith('--'); ++j) s.values[j] = w[++i];
      } else if (w[i] === '--type') s.type = [1, 2, 3].includes(Number(w[i + 1])) ? Number(w[++i]) : 1;
      else if (w[i] === '--view') s.compare = w[++i] === 'compare';
      else if (w[i] === '--lang') setLanguage(w[++i]);
    }
    return s;
  }

  function number(text) {
    return mod.ccall('agv_read_number', 'number', ['string'], [text]) === 0
      ? mod._agv_number() : null;
  }

  function compute() {
    const o = options();
    const t0 = performance.now();
    ++computeCount;
    api.status = mod.ccall('agv_compute', 'number', ['string'], [o]);
    api.computeMs = mod._agv_compute_ms();
    api.message = api.status ? mod.UTF8ToString(mod._agv_text()) : '';
    tell(api.message, api.status !== 0);
    if (api.status === 0) {
      showHash();
      const last = lastStep();
      $('time').max = last;
      if (shown.step > last) shown.step = last;
    }
    api.lastComputeMs = performance.now() - t0;
    draw();
    return api.status;
  }

  function draw() {
    const canvas = $('frame');
    const dpr = window.devicePixelRatio || 1;
    const w = Math.max(1, Math.round(canvas.clientWidth * dpr));
    const h = Math.max(1, Math.round(canvas.clientHeight * dpr));
    if (canvas.width !== w || canvas.height !== h) {
      canvas.width = w;
      canvas.height = h;
    }
    if (mod._agv_last_step(shown.type) < 0) return;
    const text = mod.UTF8ToString(mod._agv_frame(w, h, shown.type, shown.step, shown.zoom,
      shown.dx, shown.dy, shown.playing ? 1 : 0, shown.speed, shown.compare ? 1 : 0,
      shown.ghost ? 1 : 0));
    frameText = text;
    agvsimFrame.draw(canvas.getContext('2d'), JSON.parse(text));
    $('time').value = shown.step;
    $('time').setAttribute('aria-valuetext',
      mod._agv_step_time(shown.type, shown.step).toFixed(2) + ' s');
    $('timeText').textContent = mod._agv_step_time(shown.type, shown.step).toFixed(2) + ' s';
    if (!api.ready) {
      api.ready = true;
      api.firstPictureMs = performance.now();
    }
  }

  // Controls -------------------------------------------------------------------------------

  function option(select, value, label) {
    const o = document.createElement('option');
    o.value = value;
    o.textContent = label;
    select.append(o);
  }

  function field(parent, id, label, value, onChange, range) {
    const row = document.createElement('div');
    row.className = 'row';
    const l = document.createElement('label');
    l.htmlFor = id;
    l.textContent = label;
    const input = document.createElement('input');
    input.id = id;
    input.type = 'text';
    input.inputMode = 'decimal';
    input.value = value;
    input.addEventListener('change', () => {
      if (number(input.value) === null) {
        input.setAttribute('aria-invalid', 'true');
        return;
      }
      input.removeAttribute('aria-invalid');
      onChange(input.value);
    });
    row.append(l, input);
    if (range) {
      const slider = document.createElement('input');
      slider.type = 'range';
      slider.id = id + 'Slider';
      slider.setAttribute('aria-label', label);
      Object.assign(slider, range);
      slider.value = number(value) ?? 0;
      slider.addEventListener('input', () => {
        input.value = slider.value;
        onChange(slider.value);
      });
      row.append(slider);
    }
    parent.append(row);
  }

  function buildControls() {
    document.documentElement.lang = lang;
    document.title = t.title;
    $('heading').textContent = t.title;
    for (const [id, key] of [['languageLabel', 'language'], ['pathLabel', 'path'],
      ['kindLabel', 'kind'], ['speedLabel', 'speed'], ['timeLabel', 'time'], ['typeLabel', 'type'],
      ['fit', 'fit'], ['compare', 'compare'], ['savePng', 'png'], ['saveGif', 'gif'], ['saveCsv', 'csv'],
      ['saveWheels', 'wheels'], ['keys', 'keys']])
      $(id).textContent = t[key];
    $('play').textContent = shown.playing ? t.pause : t.play;
    $('frame').setAttribute('aria-label', t.canvas);
    const path = $('path');
    path.replaceChildren();
    for (const p of paths) option(path, p.number, fill(t.pathN, p.number));
    path.value = setting.path;
    const kind = $('kind');
    kind.replaceChildren();
    for (let i = 0; i < 6; ++i) option(kind, i, `${i}: ${t['kind' + i]}`);
    kind.value = setting.kind;

    const constants = $('constants');
    constants.replaceChildren();
    const p = paths.find((q) => q.number === setting.path);
    for (const [name, def] of p ? p.constants : []) {
      const value = setting.constants[name] ?? String(def);
      field(constants, 'const-' + name, name, value, (v) => {
        setting.constants[name] = v;
        compute();
      }, { min: 0, max: Math.max(1, def * 2), step: Math.max(def, 1) / 100 });
    }
    const values = $('values');
    values.replaceChildren();
    kindValues[setting.kind].map((k) => t[k]).forEach((label, i) => {
      field(values, 'value' + i, label, setting.values[i], (v) => {
        setting.values[i] = v;
        compute();
      }, { min: -20, max: 20, step: 0.1 });
    });
    markSelected();
  }

  function syncValueFields() {
    for (let i = 0; i < 2; ++i) {
      const input = $('value' + i);
      if (!input) continue;
      input.value = setting.values[i];
      const slider = $('value' + i + 'Slider');
      if (slider) slider.value = number(setting.values[i]) ?? 0;
    }
  }

  function setLanguage(code) {
    lang = code === 'en' ? 'en' : 'ja';
    if (!mod) return;
    mod._agv_set_language(lang === 'en' ? 1 : 0);
    t = JSON.parse(mod.UTF8ToString(mod._agv_page_words()));
    $('language').value = lang;
    buildControls();
    draw();
  }

  // The window's setting keys, done by the module as the window does them (the selection
  // runs over the error's values, then the path's constants; a value steps in tenths
  // counted from where it stood, so ↑ then ↓ gives it back exactly).
  function liveKey(action, amount) {
    const text = mod.UTF8ToString(mod.ccall('agv_live_key', 'number', ['number', 'number'],
      [action, amount]));
    if (text) {
      const { type, compare, ...s } = readOptions(text);
      Object.assign(setting, s);
      buildControls();
      compute();
    }
    markSelected();
  }

  // Marks the value ↑/↓ change beside its field.
  function markSelected() {
    const fields = ['values', 'constants'].flatMap((id) => [...$(id).querySelectorAll('input[type=text]')]);
    const selected = mod ? mod._agv_live_selected() : 0;
    fields.forEach((f, i) => f.parentElement.classList.toggle('selected', i === selected));
  }

  function setType(type) {
    shown.type = type;
    showView();
  }

  function toggleCompare() {
    shown.compare = !shown.compare;
    showView();
  }

  // After a change of type or of the side-by-side view: the controls, the address and, unless
  // a computation follows, the picture.
  function showView(computing = false) {
    document.querySelectorAll('input[name=type]').forEach((r) => (r.checked = Number(r.value) === shown.type));
    $('compare').setAttribute('aria-pressed', String(shown.compare));
    const last = lastStep();
    $('time').max = last;
    shown.step = Math.min(shown.step, Math.max(0, last));
    if (computing) return;
    if (api.status === 0) showHash();
    draw();
  }

  function togglePlay() {
    shown.playing = !shown.playing;
    if (shown.playing && shown.step >= lastStep()) shown.step = 0;
    $('play').textContent = shown.playing ? t.pause : t.play;
    $('play').setAttribute('aria-pressed', String(shown.playing));
    lastTime = performance.now();
    shown.played = shown.step;
    if (shown.playing) requestAnimationFrame(tick);
    else draw();
  }

  function tick(now) {
    if (!shown.playing) return;
    const dt = mod._agv_step_time(shown.type, 1) - mod._agv_step_time(shown.type, 0) || 0.01;
    shown.played += ((now - lastTime) / 1000) * speeds[shown.speed] / dt;
    lastTime = now;
    const last = lastStep();
    shown.step = Math.min(last, Math.floor(shown.played));
    draw();
    if (shown.step >= last) togglePlay();
    else requestAnimationFrame(tick);
  }

  function fit() {
    shown.zoom = 1;
    shown.dx = shown.dy = 0;
    draw();
  }

  function zoomBy(factor) {
    shown.zoom = Math.min(1e4, Math.max(1e-3, shown.zoom * factor));
    shown.dx *= factor;
    shown.dy *= factor;
    draw();
  }

  // Pixels of the canvas to window units (the height is 2 units).
  function unitsOf(px) {
    return (2 * px) / $('frame').clientHeight;
  }

  // The message line: a refusal or a failure in red, progress and results in black.
  function tell(text, failed) {
    $('message').textContent = text;
    $('message').classList.toggle('failed', failed);
  }

  function download(blob, name) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  // The shown type's motion from its start to its end as agvsim.gif: drawn off the screen at
  // the canvas's size (at most gifMaxWidth wide), a frame per 0.1 s of motion or fewer, so
  // that there are at most gifMaxFrames; the GIF shows each for its motion time. The page
  // stays responsive (it yields every 30 ms) and the shown frame is left alone.
  const gifMaxWidth = 960, gifMaxFrames = 300;
  let gifBusy = false;

  async function saveGif() {
    // Side by side, the frames follow the longest of the three motions.
    const compare = shown.compare, computed = computeCount, last = lastStep();
    const type = compare ? [1, 2, 3].find((t) => mod._agv_last_step(t) === last) : shown.type;
    if (gifBusy || last < 0) return;
    gifBusy = true;
    $('saveGif').setAttribute('aria-busy', 'true');
    const t0 = performance.now();
    const canvas = $('frame');
    const scale = Math.min(1, gifMaxWidth / canvas.width);
    const w = Math.max(1, Math.round(canvas.width * scale));
    const h = Math.max(1, Math.round(canvas.height * scale));
    const off = document.createElement('canvas');
    Object.assign(off, { width: w, height: h });
    const ctx = off.getContext('2d', { willReadFrequently: true });
    const span = mod._agv_step_time(type, last) - mod._agv_step_time(type, 0);
    const stride = Math.max(1, Math.round((Math.max(0.1, span / (gifMaxFrames - 1)) * last) / span));
    const text = () => mod.UTF8ToString(mod._agv_text());
    let error = mod._agv_gif_start(w, h) ? text() : '', yielded = t0;
    try {
      for (let step = 0; !error; step = Math.min(last, step + stride)) {
        const json = mod.UTF8ToString(mod._agv_frame(w, h, shown.type, step, shown.zoom, shown.dx,
          shown.dy, 1, shown.speed, compare ? 1 : 0, shown.ghost ? 1 : 0));
        agvsimFrame.draw(ctx, JSON.parse(json));
        mod.HEAPU8.set(ctx.getImageData(0, 0, w, h).data, mod._agv_gif_pixels());
        if (mod._agv_gif_add(type, step)) error = text();
        if (step === last) break;
        if (performance.now() - yielded > 30) {
          tell(fill(t.gifMaking, Math.floor((100 * step) / last)), false);
          await new Promise((r) => setTimeout(r));
          yielded = performance.now();
          if (computeCount !== computed) error = t.gifStopped;
        }
      }
      if (!error && mod._agv_gif_finish()) error = text();
      if (!error) {
        const at = mod._agv_gif_data(), size = mod._agv_gif_size();
        download(new Blob([mod.HEAPU8.slice(at, at + size)], { type: 'image/gif' }), 'agvsim.gif');
        api.gif = { ms: performance.now() - t0, bytes: size, frames: mod._agv_gif_frames(),
          seconds: mod._agv_gif_seconds(), width: w, height: h };
      }
      tell(error || fill(t.gifDone, api.gif.frames, api.gif.seconds.toFixed(1),
        Math.round(api.gif.bytes / 1024)), !!error);
    } finally {
      mod._agv_gif_drop();
      gifBusy = false;
      $('saveGif').removeAttribute('aria-busy');
    }
  }

  function csv(kind) {
    return mod.UTF8ToString(mod._agv_csv(kind === 'wheels' ? 1 : 0));
  }

  function wire() {
    $('language').addEventListener('change', (e) => setLanguage(e.target.value));
    $('path').addEventListener('change', (e) => {
      setting.path = Number(e.target.value);
      setting.constants = {};
      buildControls();
      fit();
      compute();
    });
    $('kind').addEventListener('change', (e) => {
      setting.kind = Number(e.target.value);
      setting.values = ['0', '0'];
      buildControls();
      compute();
    });
    document.querySelectorAll('input[name=type]').forEach((r) =>
      r.addEventListener('change', () => setType(Number(r.value))));
    $('play').addEventListener('click', togglePlay);
    $('speed').addEventListener('change', (e) => {
      shown.speed = Number(e.target.value);
      draw();
    });
    $('time').addEventListener('input', (e) => {
      shown.step = Number(e.target.value);
      shown.played = shown.step;
      draw();
    });
    $('fit').addEventListener('click', fit);
    $('compare').addEventListener('click', toggleCompare);
    $('savePng').addEventListener('click', () =>
      $('frame').toBlob((b) => download(b, 'agvsim.png'), 'image/png'));
    $('saveGif').addEventListener('click', saveGif);
    $('saveCsv').addEventListener('click', () =>
      download(new Blob([csv()], { type: 'text/csv' }), 'agvsim.csv'));
    $('saveWheels').addEventListener('click', () =>
      download(new Blob([csv('wheels')], { type: 'text/csv' }), 'agvsim-wheels.csv'));

    const canvas = $('frame');
    const pointers = new Map();
    let pinch = 0;
    canvas.addEventListener('pointerdown', (e) => {
      canvas.setPointerCapture(e.pointerId);
      pointers.set(e.pointerId, [e.clientX, e.clientY]);
    });
    canvas.addEventListener('pointermove', (e) => {
      const was = pointers.get(e.pointerId);
      if (!was) return;
      const now = [e.clientX, e.clientY];
      pointers.set(e.pointerId, now);
      if (pointers.size === 2) {
        const [a, b] = [...pointers.values()];
        const d = Math.hypot(a[0] - b[0], a[1] - b[1]);
        if (pinch) zoomBy(d / pinch);
        pinch = d;
        return;
      }
      shown.dx += unitsOf(now[0] - was[0]);
      shown.dy -= unitsOf(now[1] - was[1]);
      draw();
    });
    const up = (e) => {
      pointers.delete(e.pointerId);
      pinch = 0;
    };
    canvas.addEventListener('pointerup', up);
    canvas.addEventListener('pointercancel', up);
    canvas.addEventListener('wheel', (e) => {
      e.preventDefault();
      zoomBy(e.deltaY < 0 ? 1.1 : 1 / 1.1);
    }, { passive: false });

    document.addEventListener('keydown', (e) => {
      const target = e.target;
      if (target.tagName === 'INPUT' && target.type === 'text') return;
      if (target.tagName === 'SELECT' || (target.tagName === 'INPUT' && target.type === 'range')) {
        if (e.key.startsWith('Arrow')) return;  // the control's own keys
      }
      let done = true;
      switch (e.key) {
        case 'ArrowUp': liveKey(1, e.shiftKey ? coarse : 1); break;
        case 'ArrowDown': liveKey(1, e.shiftKey ? -coarse : -1); break;
        case 'ArrowLeft': liveKey(0, -1); break;
        case 'ArrowRight': liveKey(0, 1); break;
        case 'k': liveKey(2, 1); break;
        case 'K': liveKey(2, -1); break;
        case 'n': liveKey(3, 0); break;
        case 'r': liveKey(4, 1); break;
        case 'R': liveKey(4, -1); break;
        case 'm': toggleCompare(); break;
        case 'b': shown.ghost = !shown.ghost; draw(); break;
        case '1': case '2': case '3': setType(Number(e.key)); break;
        case ' ': if (target.tagName === 'BUTTON') done = false; else togglePlay(); break;
        case 'f': fit(); break;
        case 'w': zoomBy(1 / 1.25); break;
        case 'W': zoomBy(1.25); break;
        case 'x': shown.dx -= 0.1; draw(); break;
        case 'X': shown.dx += 0.1; draw(); break;
        case 'y': shown.dy -= 0.1; draw(); break;
        case 'Y': shown.dy += 0.1; draw(); break;
        case '+': $('speed').value = shown.speed = Math.min(5, shown.speed + 1); draw(); break;
        case '-': $('speed').value = shown.speed = Math.max(0, shown.speed - 1); draw(); break;
        case '0': shown.step = 0; shown.played = 0; draw(); break;
        case 'l': setLanguage(lang === 'ja' ? 'en' : 'ja'); break;
        default: done = false;
      }
      if (done) e.preventDefault();
    });
    window.addEventListener('resize', draw);
    window.addEventListener('hashchange', () => applyHash());
  }

  function applyHash() {
    const text = decodeURIComponent(location.hash.slice(1));
    if (text && text === hashOptions()) return;
    return take(text);
  }

  // Takes a whole setting with how it is shown from options ("--path 11 --type 2").
  function take(text) {
    const { type, compare, ...s } = readOptions(text);
    Object.assign(setting, s);
    shown.type = type;
    shown.compare = compare;
    buildControls();
    showView(true);
    return compute();
  }

  async function start() {
    const font = new FontFace(agvsimFrame.fontFamily, `url(${self.agvsimFont})`);
    document.fonts.add(await font.load());
    const ctx = document.createElement('canvas').getContext('2d');
    mod = await createAgvsim({
      measureText: (text, px) => agvsimFrame.measure(ctx, text, px),
      fontMetrics: () => {
        ctx.font = `100px "${agvsimFrame.fontFamily}"`;
        const m = ctx.measureText('Hg');
        return [m.fontBoundingBoxAscent / 100, m.fontBoundingBoxDescent / 100];
      },
    });
    if (mod._agv_start() !== 0) throw new Error(mod.UTF8ToString(mod._agv_text()));
    paths = JSON.parse(mod.UTF8ToString(mod._agv_paths()));
    const browser = (navigator.language || 'ja').toLowerCase().startsWith('ja') ? 'ja' : 'en';
    setLanguage(browser);
    speeds.forEach((s, i) => option($('speed'), i, 'x' + (s < 1 ? '1/' + 1 / s : s)));
    $('speed').value = shown.speed;
    wire();
    take(decodeURIComponent(location.hash.slice(1)));
  }

  api.csv = (kind) => csv(kind);
  api.options = () => hashOptions();
  // Sets a setting from its command line ("--path 11 --error 4 5 10"); the exporter's status.
  api.set = (text) => take(text);
  // The times (ms) of `runs` computations of a setting, one after the other with nothing
  // drawn between them; the shown setting is computed again after them.
  api.computeTimes = (text, runs) => {
    const times = [];
    for (let i = 0; i < runs; ++i) {
      mod.ccall('agv_compute', 'number', ['string'], [text]);
      times.push(mod._agv_compute_ms());
    }
    compute();
    return times;
  };
  api.frame = () => frameText;
  // Shows a type (1-3) at a record.
  api.show = (type, step) => {
    shown.step = step;
    shown.played = step;
    shown.compare = false;
    setType(type);
  };
  api.shown = shown;
  start().catch((e) => {
    api.error = String(e);
    document.getElementById('message').textContent = String(e);
    throw e;
  });
})();
