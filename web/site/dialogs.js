// The editor's messages and its one kind of question, as modal dialogs of the page: a message
// with OK, a question with Yes and No. Texts are the core's. One dialog at a time; the next
// waits until the one before is closed.
const dialog = document.getElementById('dialog');
const title = dialog.querySelector('.title');
const text = dialog.querySelector('.text');
const buttons = dialog.querySelector('.buttons');

let queue = Promise.resolve();

// `focused` is the value of the button that has the focus at first, which Enter presses.
function show(heading, body, answers, focused = answers[0].value) {
  const shown = queue.then(
    () =>
      new Promise((resolve) => {
        title.textContent = heading;
        title.hidden = heading === '';
        text.textContent = body;
        // A dialog shown by a key's press (Enter in a field) is not answered by the rest of that
        // press: a key presses its button only after the key went down in the dialog.
        let keyInDialog = false;
        const armKeys = (event) => {
          if (event.type === 'keydown') keyInDialog = true;
          else if (!keyInDialog) event.preventDefault();
        };
        dialog.addEventListener('keydown', armKeys);
        dialog.addEventListener('keypress', armKeys);
        buttons.replaceChildren(
          ...answers.map(({ caption, value }) => {
            const button = document.createElement('button');
            button.value = value;
            button.textContent = caption;
            return button;
          }),
        );
        const restore = document.activeElement;
        dialog.addEventListener(
          'close',
          () => {
            dialog.removeEventListener('keydown', armKeys);
            dialog.removeEventListener('keypress', armKeys);
            restore?.focus?.();
            resolve(dialog.returnValue);
          },
          { once: true },
        );
        dialog.returnValue = '';
        dialog.showModal();
        [...buttons.children].find((button) => button.value === focused).focus();
      }),
  );
  queue = shown.catch(() => {});
  return shown;
}

// Shows each text in turn, each with an OK button; resolves when the last is closed.
export async function showMessages(texts, heading = 'zarkel') {
  for (const message of texts) await show(heading, message, [{ caption: 'OK', value: 'ok' }]);
}

// What an operation of the module answered: its messages, then its error, if any. Resolves to
// true when there was no error.
export async function showOutcome(result) {
  const texts = [...(result.messages ?? [])];
  if (result.error) texts.push(result.error);
  await showMessages(texts);
  return !result.error;
}

// A question with Yes and No; Escape answers No. Resolves to true for Yes. Enter answers Yes,
// or No with `{ defaultNo: true }`.
export async function ask(heading, question, { defaultNo = false } = {}) {
  const answer = await show(
    heading,
    question,
    [
      { caption: 'Yes', value: 'yes' },
      { caption: 'No', value: 'no' },
    ],
    defaultNo ? 'no' : 'yes',
  );
  return answer === 'yes';
}

export function dialogOpen() {
  return dialog.open;
}
