// The program's dialogs as the browser's own modal <dialog>s: each returns
// a promise of the answer, which the program waits for (web_dialogs.cpp).

function dialog(kind, title) {
  const box = document.createElement('dialog');
  box.dataset.dialog = kind;
  const form = document.createElement('form');
  form.method = 'dialog';
  box.append(form);
  if (title) {
    const heading = document.createElement('h2');
    heading.id = `dialog-title-${kind}`;
    heading.textContent = title;
    box.setAttribute('aria-labelledby', heading.id);
    form.append(heading);
  }
  return { box, form };
}

function buttons(form, okDisabled = false) {
  const row = document.createElement('div');
  row.className = 'buttons';
  const ok = document.createElement('button');
  ok.value = 'ok';
  ok.textContent = 'OK';
  ok.disabled = okDisabled;
  const cancel = document.createElement('button');
  cancel.value = 'cancel';
  cancel.textContent = 'キャンセル';
  row.append(ok, cancel);
  form.append(row);
  return ok;
}

function paragraph(text, id) {
  const p = document.createElement('p');
  p.className = 'dialog-text';
  p.id = id;
  p.textContent = text;
  return p;
}

// Shows the dialog modally and resolves with `answer(returnValue)` once it
// closes; Esc cancels, as on the desktop.
function shown(box, focus, answer) {
  document.body.append(box);
  return new Promise((resolve) => {
    box.addEventListener('close', () => {
      box.remove();
      resolve(answer(box.returnValue));
    }, { once: true });
    box.showModal();
    focus.focus();
  });
}

export function messageBox(text, title) {
  const { box, form } = dialog('message', title);
  form.append(paragraph(text, 'dialog-message'));
  box.setAttribute('aria-describedby', 'dialog-message');
  if (!title) box.setAttribute('aria-label', text.split('\n')[0]);
  const ok = buttons(form);
  return shown(box, ok, (value) => (value === 'ok' ? 1 : 0));
}

// An input of `type` inside the label that names it, added to the form.
function labelledInput(form, prompt, type) {
  const label = document.createElement('label');
  label.className = 'dialog-text';
  const input = document.createElement('input');
  input.type = type;
  label.append(prompt, input);
  form.append(label);
  return input;
}

export function inputBox(prompt, title, text) {
  const { box, form } = dialog('input', title);
  const input = labelledInput(form, prompt, 'text');
  input.value = text;
  input.autocomplete = 'off';
  buttons(form);
  // Enter in the box answers OK.
  form.addEventListener('submit', (event) => {
    if (!event.submitter) box.returnValue = 'ok';
  });
  const answer = shown(box, input, (value) => (value === 'ok' ? input.value : null));
  input.select();
  return answer;
}

// A file chosen from the user's own (with `multiple`, a list of files); null
// when cancelled.
export function chooseFile(title, accept, multiple = false, prompt = '読み込むファイル') {
  const { box, form } = dialog('file', title);
  const input = labelledInput(form, prompt, 'file');
  input.accept = accept;
  input.multiple = multiple;
  const ok = buttons(form, true);
  input.addEventListener('change', () => { ok.disabled = input.files.length === 0; });
  return shown(box, input, (value) => {
    if (value !== 'ok' || input.files.length === 0) return null;
    return multiple ? [...input.files] : input.files[0];
  });
}
