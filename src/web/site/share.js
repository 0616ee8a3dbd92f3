// "共有" on a result screen: the reading as text and the month's graph as a
// PNG, handed to the phone's share sheet (Web Share with files); where a
// browser cannot share files, the PNG is downloaded and the text copied.
// Nothing of the person goes into a URL: the share sheet gets the data itself.

import { messageBox } from './dialogs.js';
import { cssColor, fontStack } from './fonts.js';
import { download } from './storage.js';

// The PNG's pixels per pixel of the designed graph: sharp on a phone.
const SCALE = 2;

// The graph drawn again from its display list, as the screen draws it (screens.js).
export function graphPng(drawing) {
  const canvas = document.createElement('canvas');
  canvas.width = drawing.width * SCALE;
  canvas.height = drawing.height * SCALE;
  const pen = canvas.getContext('2d');
  pen.scale(SCALE, SCALE);
  pen.fillStyle = '#fff';
  pen.fillRect(0, 0, drawing.width, drawing.height);
  pen.lineCap = 'round';
  pen.textBaseline = 'top';
  pen.font = `${drawing.points}pt ${fontStack(drawing.family)}`;
  for (const op of drawing.ops) {
    if (op.line) {
      const [x1, y1, x2, y2] = op.line;
      pen.strokeStyle = cssColor(op.rgb);
      pen.lineWidth = op.width;
      pen.beginPath();
      pen.moveTo(x1, y1);
      pen.lineTo(x2, y2);
      pen.stroke();
    } else {
      pen.fillStyle = cssColor(op.rgb);
      pen.fillText(op.text, op.x, op.y);
    }
  }
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

// Shares `text` and the graph as the file `name`.
export async function share(title, text, drawing, name) {
  const png = await graphPng(drawing);
  const data = { title, text, files: [new File([png], name, { type: 'image/png' })] };
  if (navigator.canShare?.(data)) {
    try {
      await navigator.share(data);
      return;
    } catch (error) {
      // Closing the share sheet is the person's answer; anything else falls back.
      if (error.name === 'AbortError') return;
    }
  }
  download(name, new Uint8Array(await png.arrayBuffer()));
  const copied = await navigator.clipboard?.writeText(text).then(() => true, () => false);
  await messageBox(copied
    ? `グラフの画像（${name}）をダウンロードし、診断の文章をクリップボードにコピーしました。`
    : `グラフの画像（${name}）をダウンロードしました。このブラウザーでは診断の文章をコピーできませんでした。`, '共有');
}
