// The page as an app: the service worker that keeps the site for offline
// use, and on an iPhone or iPad, whose Safari offers no install prompt, a
// notice on how to put the page on the home screen, until it is closed.

const HINT_CLOSED = 'biorhythm.homeScreenHintClosed';

function registerWorker() {
  if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
  // Once the page has loaded: caching the site must not slow the first visit.
  const register = () => navigator.serviceWorker.register('sw.js')
    .catch((error) => console.warn('オフライン用の保存ができませんでした:', error));
  if (document.readyState === 'complete') register();
  else addEventListener('load', register, { once: true });
}

// iPadOS names itself a Mac, with a touch screen.
const onAppleMobile = () => /iPhone|iPad|iPod/.test(navigator.userAgent)
  || (navigator.platform === 'MacIntel' && navigator.maxTouchPoints > 1);

const installed = () => navigator.standalone === true
  || matchMedia('(display-mode: standalone)').matches;

// Storage may be refused (private browsing, a locked-down profile): the
// notice then shows again, which is better than never.
function hintClosed() {
  try {
    return localStorage.getItem(HINT_CLOSED) !== null;
  } catch {
    return false;
  }
}

function closeHint(hint) {
  hint.remove();
  try {
    localStorage.setItem(HINT_CLOSED, '1');
  } catch {
    // Closed for this visit only.
  }
}

function showHomeScreenHint() {
  if (!onAppleMobile() || installed() || hintClosed()) return;
  const hint = document.createElement('aside');
  hint.className = 'home-screen-hint';
  hint.setAttribute('aria-label', 'ホーム画面に追加');
  const steps = document.createElement('strong');
  steps.textContent = '共有 → ホーム画面に追加';
  const text = document.createElement('p');
  text.append('このページはアプリとしてホーム画面に置けます：', steps, '。ネットワークがなくても使えます。');
  const close = document.createElement('button');
  close.type = 'button';
  close.textContent = '閉じる';
  close.addEventListener('click', () => closeHint(hint));
  hint.append(text, close);
  document.querySelector('.page-bar').after(hint);
}

registerWorker();
showHomeScreenHint();
