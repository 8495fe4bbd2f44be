// Draws a frame given as JSON (docs/frame-json.md) on a canvas 2D context: pixels, y down,
// the parts in order. Lines end flat; a stipple is a 16-bit pattern of on and off
// pixels (lowest bit first), each bit `stipple_factor` pixels long.
'use strict';

const agvsimFrame = (() => {
  const fontFamily = 'agvsim sans';

  function style(c) {
    return c.alpha !== undefined && c.kind !== 'text'
      ? c.colour + Math.round(c.alpha * 255).toString(16).padStart(2, '0')
      : c.colour;
  }

  // The on and off runs of a stipple pattern, in pixels, starting with an on run.
  function dashes(pattern, factor) {
    const runs = [];
    let bit = pattern & 1, run = 0;
    if (!bit) runs.push(0);
    for (let i = 0; i < 16; ++i) {
      const b = (pattern >> i) & 1;
      if (b === bit) {
        ++run;
      } else {
        runs.push(run * factor);
        bit = b;
        run = 1;
      }
    }
    runs.push(run * factor);
    if (runs.length % 2) runs.push(0);
    return runs;
  }

  function path(ctx, points, closed, pairs) {
    ctx.beginPath();
    if (pairs) {
      for (let i = 0; i + 1 < points.length; i += 2) {
        ctx.moveTo(points[i][0], points[i][1]);
        ctx.lineTo(points[i + 1][0], points[i + 1][1]);
      }
      return;
    }
    points.forEach((p, i) => (i ? ctx.lineTo(p[0], p[1]) : ctx.moveTo(p[0], p[1])));
    if (closed) ctx.closePath();
  }

  function command(ctx, c) {
    switch (c.kind) {
      case 'lines':
      case 'line_loop':
      case 'line_strip':
        ctx.strokeStyle = style(c);
        ctx.lineWidth = c.width;
        ctx.setLineDash(c.stipple ? dashes(c.stipple, c.stipple_factor || 1) : []);
        path(ctx, c.points, c.kind === 'line_loop', c.kind === 'lines');
        ctx.stroke();
        break;
      case 'polygon':
        ctx.fillStyle = style(c);
        path(ctx, c.points, true, false);
        ctx.fill();
        break;
      case 'disc':
        ctx.fillStyle = style(c);
        ctx.beginPath();
        ctx.arc(c.centre[0], c.centre[1], c.radius, 0, 2 * Math.PI);
        ctx.fill();
        break;
      case 'discs':
        ctx.fillStyle = style(c);
        ctx.beginPath();
        for (const p of c.centres) {
          ctx.moveTo(p[0] + c.radius, p[1]);
          ctx.arc(p[0], p[1], c.radius, 0, 2 * Math.PI);
        }
        ctx.fill();
        break;
      case 'text':
        ctx.fillStyle = style(c);
        ctx.font = `${c.size}px "${fontFamily}"`;
        ctx.textBaseline = 'alphabetic';
        c.text.split('\n').forEach((line, i) => {
          ctx.fillText(line, c.at[0], c.at[1] + i * c.size * 1.2);
        });
        break;
      default:
        break;  // the key list's picture: the page has its own
    }
  }

  // Draws the frame over the whole canvas, on white.
  function draw(ctx, frame) {
    ctx.save();
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = '#ffffff';
    ctx.fillRect(0, 0, ctx.canvas.width, ctx.canvas.height);
    ctx.lineCap = 'butt';
    ctx.lineJoin = 'miter';
    const [x, y, w, h] = frame.clip;
    ctx.beginPath();
    ctx.rect(x, y, w, h);
    ctx.clip();
    for (const part of frame.parts) part.commands.forEach((c) => command(ctx, c));
    ctx.restore();
  }

  // Width of the longest line of a text at px pixels, as draw() writes it.
  function measure(ctx, text, px) {
    ctx.font = `${px}px "${fontFamily}"`;
    return Math.max(...text.split('\n').map((line) => ctx.measureText(line).width));
  }

  return { draw, measure, fontFamily };
})();
