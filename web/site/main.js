// The page: "Try the demo" (or an address ending in #demo) opens the demo set in the editor and
// shows the status line. The module loads at once; the demo set only when asked for.
import { loadModule, putFiles } from './editor.js';
import { DEMO_OPEN, fetchDemoSet } from './demo.js';
import { watchForUpdates } from './offline.js';

const statusLine = document.getElementById('status');
const messageBox = document.getElementById('message');
const demoButton = document.getElementById('try-demo');
const updateNotice = document.getElementById('update-notice');

let editor = null;

function showMessages(texts) {
  messageBox.textContent = texts.join('\n');
  messageBox.hidden = texts.length === 0;
}

async function openDemo() {
  demoButton.disabled = true;
  try {
    const [module, files] = await Promise.all([loadModule(), fetchDemoSet()]);
    editor ??= new module.Editor();
    const folder = putFiles(module, '/demo', files);
    const result = editor.open({
      layout: DEMO_OPEN.layout,
      scenario: `${folder}/${DEMO_OPEN.scenario}`,
      equipment: `${folder}/${DEMO_OPEN.equipment}`,
      names: `${folder}/${DEMO_OPEN.names}`,
    });
    showMessages(result.error ? [...result.messages, result.error] : result.messages);
    statusLine.textContent = result.status;
  } catch (error) {
    showMessages([`The demo could not be opened: ${error.message}`]);
  } finally {
    demoButton.disabled = false;
  }
}

function openDemoOnHash() {
  if (window.location.hash === '#demo') openDemo();
}

demoButton.addEventListener('click', openDemo);
window.addEventListener('hashchange', openDemoOnHash);
const moduleLoaded = loadModule().then(
  () => {
    demoButton.disabled = false;
  },
  (error) => showMessages([`The editor could not be loaded: ${error.message}`]),
);
openDemoOnHash();
watchForUpdates(() => {
  updateNotice.textContent =
    'A new version of zarkel has been installed: reload the page to use it.';
  updateNotice.hidden = false;
}, moduleLoaded);
