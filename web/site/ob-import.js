// The order of battle in the spreadsheet form and back, on the "OB's" page: the check box names
// the extension the name gets, and "Import OB…" reads the file the user picks and hands its bytes
// and its name to the session, which imports it as one step or refuses it whole. What it changed
// reaches the pages and the status line through the session's observer, as every edit does.
import { showOutcome } from './dialogs.js';

export function setUpObImport(app) {
  const caption = document.getElementById('ob-name-caption');
  const spreadsheet = document.getElementById('ob-spreadsheet');
  const button = document.getElementById('ob-import');
  const picker = document.getElementById('ob-import-file');

  const showExtension = () => {
    const extension = spreadsheet.checked ? '.csv' : '.txt';
    caption.textContent = `Name of OB file (  ${extension} extension added automatically)`;
  };
  spreadsheet.addEventListener('change', showExtension);
  showExtension();

  button.addEventListener('click', () => {
    app.finishEdits();
    // The same file picked again is a change too.
    picker.value = '';
    picker.click();
  });
  picker.addEventListener('change', async () => {
    const file = picker.files?.[0];
    if (!file) return;
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      await showOutcome({ error: `Cannot read "${file.name}": ${error.message}` });
      return;
    }
    await showOutcome(app.session.importOrderOfBattle({ name: file.name, bytes }));
  });
}
