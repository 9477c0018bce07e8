// The page: the editor's ten pages over one editing session of the module. Every page follows
// the session: an operation answers what it said (messages, an error), and what it changed
// comes to every page through the session's observer, as in the window.
import { loadModule } from './editor.js';
import { dialogOpen, showMessages, showOutcome } from './dialogs.js';
import { setUpCampaign } from './campaign.js';
import { setUpMap } from './map.js';
import { setUpObImport } from './ob-import.js';
import { setUpOpen } from './open.js';
import { setUpTabs } from './tabs.js';
import { setUpUnits } from './units.js';
import { setUpWrites } from './writes.js';
import { watchForUpdates } from './offline.js';

const statusLine = document.getElementById('status');
const scenarioLine = document.getElementById('scenario');
const undoButton = document.getElementById('undo');
const redoButton = document.getElementById('redo');
const updateNotice = document.getElementById('update-notice');

// The status line: what the last operation did. While a write's files are on their way out of
// the page its "Wrote ..." waits, so that a failed delivery is not reported as written.
function statusOf() {
  let held = false;
  let waiting = null;
  return {
    show(text) {
      if (text === '') return;
      if (held) waiting = text;
      else statusLine.textContent = text;
    },
    hold() {
      held = true;
      waiting = null;
    },
    release() {
      held = false;
      if (waiting !== null) statusLine.textContent = waiting;
      waiting = null;
    },
    fail(text) {
      held = false;
      waiting = null;
      statusLine.textContent = text;
    },
  };
}

// The Edit menu's texts: "Undo" alone, or "Undo Transfer of 3 units to auxiliary".
function stepCaption(verb, name) {
  return name === null ? verb : `${verb} ${name}`;
}

function isTextField(element) {
  return (
    element instanceof HTMLTextAreaElement ||
    (element instanceof HTMLInputElement && ['text', 'number', 'search'].includes(element.type))
  );
}

// The browser tab's title: the open file's name, marked while edits are unwritten.
function showTitle(scenario, unwritten) {
  const name = scenario.split(' \u00b7 ')[0];
  document.title = name === '' ? 'zarkel' : `${unwritten ? '\u2022 ' : ''}${name} \u2014 zarkel`;
}

// What a text field held when its typing last became a step (or was refused, or the page set
// it): typing since is the field's own, for its own undo.
const settledValues = new WeakMap();
function settle(field) {
  if (isTextField(field)) settledValues.set(field, field.value);
}
function holdsTyping(field) {
  return settledValues.has(field) && settledValues.get(field) !== field.value;
}

async function start() {
  const module = await loadModule();
  const session = new module.Session();
  const app = {
    module,
    session,
    texts: module.texts(),
    status: statusOf(),
    // What the page knows of each file given, by the number it gave the file: its handle in the
    // user's folder, where the browser gave one.
    handles: new Map(),
    fileCount: 0,
    // Gives files ({name, bytes, handle?}) to the session, each numbered.
    giveFiles(files) {
      for (const file of files) {
        app.fileCount += 1;
        file.id = app.fileCount;
        if (file.handle) app.handles.set(file.id, file.handle);
      }
      session.giveFiles(files);
    },
    // Shows what an operation said; the observer has shown what it changed.
    run(result) {
      showOutcome(result);
      return result;
    },
    // An edit still being typed is finished first, as leaving its field finishes it.
    finishEdits() {
      if (isTextField(document.activeElement)) document.activeElement.blur();
    },
    // The field with the focus holds no typing of its own any more: what it shows is the
    // editor's.
    settleFocused() {
      settle(document.activeElement);
    },
    hasUnwrittenEdits() {
      return session.snapshot().unwritten;
    },
    // The files in use that came with handles, and what each is, for a write into a folder to
    // spare.
    filesInUse() {
      return session
        .filesInUse()
        .map((file) => ({ handle: app.handles.get(file.id), what: file.what }))
        .filter((file) => file.handle);
    },
  };

  const pages = [setUpUnits(app), setUpCampaign(app)];
  const map = setUpMap(app);
  pages.push(map);
  setUpWrites(app);
  setUpObImport(app);
  const open = setUpOpen(app);
  const tabs = setUpTabs(document.getElementById('tabs'), (pageId) => {
    if (pageId === 'page-map') map.shown();
  });

  function showEditMenu({ undoName, redoName }) {
    undoButton.textContent = stepCaption('Undo', undoName);
    redoButton.textContent = stepCaption('Redo', redoName);
    undoButton.disabled = undoName === null;
    redoButton.disabled = redoName === null;
  }

  session.subscribe((change) => {
    // A fault of the page must not cross into the module in the middle of its operation.
    try {
      for (const page of pages) page.apply(change);
      app.status.show(change.status);
      scenarioLine.textContent = change.scenario;
      showEditMenu(change);
      showTitle(change.scenario, change.unwritten);
    } catch (error) {
      setTimeout(() => {
        throw error;
      });
    }
  });

  function undo() {
    app.finishEdits();
    app.run(session.undo());
  }
  function redo() {
    app.finishEdits();
    app.run(session.redo());
  }
  undoButton.addEventListener('click', undo);
  redoButton.addEventListener('click', redo);
  // In a text field the keys undo its typing while it holds typing that is not yet a step;
  // otherwise they are the editor's, and the field stays, showing what the step restored.
  document.addEventListener('focusin', (event) => settle(event.target));
  document.addEventListener('change', (event) => settle(event.target));
  document.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || dialogOpen()) return;
    const key = event.key.toLowerCase();
    const isUndo = key === 'z' && !event.shiftKey;
    if (!isUndo && !(key === 'z' && event.shiftKey) && key !== 'y') return;
    const field = isTextField(event.target) ? event.target : null;
    if (field && holdsTyping(field)) {
      // Undone as one, back to what the field showed: the browser's own undo would run on into
      // the typing of earlier steps. Its redo stays the field's.
      if (isUndo) {
        event.preventDefault();
        field.value = settledValues.get(field);
      }
      return;
    }
    event.preventDefault();
    if (field) {
      app.run(isUndo ? session.undo() : session.redo());
      settle(field);
    } else if (isUndo) undo();
    else redo();
  });
  window.addEventListener('beforeunload', (event) => {
    app.finishEdits();
    if (app.hasUnwrittenEdits()) {
      event.preventDefault();
      event.returnValue = '';
    }
  });

  showEditMenu(session.snapshot());
  showTitle('', false);
  document.getElementById('version').textContent = `zarkel ${app.texts.version}`;
  // The page's parts, for the tests and the benchmarks that drive it.
  window.zarkel = { app, map, tabs, open };
  function openDemoOnHash() {
    if (window.location.hash === '#demo') {
      tabs.show('page-open');
      open.openDemo();
    }
  }
  window.addEventListener('hashchange', openDemoOnHash);
  openDemoOnHash();
}

const started = start();
started.catch((error) => showMessages([`The editor could not be loaded: ${error.message}`]));
watchForUpdates(() => {
  updateNotice.textContent =
    'A new version of zarkel has been installed: reload the page to use it.';
  updateNotice.hidden = false;
}, started);
