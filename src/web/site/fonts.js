// The designed faces as font stacks that find a real Japanese font on every
// system: the designed face itself on Windows, Hiragino on macOS and iOS,
// Noto on Android, the IPA fonts (before Noto, whose glyphs print with
// wrong code points in PDF) on Linux. Drawings and printed pages use the
// same stacks as the screens.

const GOTHIC = [
  'ＭＳ ゴシック', 'MS Gothic', 'Hiragino Kaku Gothic ProN', 'Hiragino Sans', 'IPAGothic',
  'IPAexGothic', 'Yu Gothic', 'Meiryo', 'Noto Sans JP', 'Noto Sans CJK JP', 'Droid Sans Japanese',
  'sans-serif',
];
const MINCHO = [
  'ＭＳ 明朝', 'MS Mincho', 'Hiragino Mincho ProN', 'IPAMincho', 'IPAexMincho', 'Yu Mincho',
  'Noto Serif JP', 'Noto Serif CJK JP', 'serif',
];

const quoted = (stack) => stack.map((face) => (face.includes(' ') || !/^[\w-]+$/.test(face)
  ? `"${face}"` : face)).join(', ');

// The CSS font-family of a designed face.
export function fontStack(family) {
  return quoted(family.includes('明朝') || /mincho/i.test(family) ? MINCHO : GOTHIC);
}

// CSS for a designed font: its family, size in points and weight.
export function applyFont(element, family, points, bold) {
  element.style.fontFamily = fontStack(family);
  element.style.fontSize = `${points}pt`;
  element.style.fontWeight = bold ? 'bold' : 'normal';
}

export const cssColor = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;
