// "Core/Aux Transfer", "Core Units" and "Aux Units ": the side choice, the core and auxiliary
// lists of the side chosen with the composition, transfer of several lines at once, and the
// review and edit of one unit. Every list and field is filled from what the session tells.
import { fillCaptions, fillList, selectedLines } from './lists.js';


// One of the two unit pages ("core" or "aux").
function unitPage(section, app) {
  const page = section.dataset.page;
  // The twelve review fields in the order of the page, as the core names them; the four that can
  // be changed are edits.
  const FIELDS = app.texts.reviewFields.map(({ key, caption, editable }) => [key, caption, editable]);
  const EDITS = FIELDS.filter(([, , editable]) => editable).map(([key]) => key);
  const all = section.querySelector('.all');
  const unused = section.querySelector('.unused');
  const sideCaption = section.querySelector('.side-caption');
  const average = section.querySelector('.average');
  const newUnit = section.querySelector('.new-unit');
  const fields = {};
  section.querySelector('.fields').replaceChildren(
    ...FIELDS.flatMap(([key, caption, editable]) => {
      const id = `${page}-${key}`;
      const label = document.createElement('label');
      label.textContent = caption;
      label.htmlFor = id;
      const field = document.createElement(editable ? 'input' : 'output');
      field.id = id;
      if (editable) {
        field.type = 'text';
        field.spellcheck = false;
        field.autocomplete = 'off';
      }
      fields[key] = field;
      return [label, field];
    }),
  );
  // One blank in each, as the window starts; the experience edit empty.
  for (const [key] of FIELDS) setField(key, key === 'experience' ? '' : ' ');

  function setField(key, text) {
    if (fields[key].tagName === 'INPUT') fields[key].value = text;
    else fields[key].textContent = text;
  }

  // After a refused used text the edits show what the window shows then, not the review.
  let keepShown = false;

  function chosenLine() {
    return all.selectedIndex >= 0 ? all.selectedIndex : null;
  }

  function review() {
    app.run(app.session.review({ page, line: chosenLine() }));
  }

  all.addEventListener('change', review);
  section.querySelector('.review')?.addEventListener('click', review);
  unused.addEventListener('change', () => {
    if (unused.selectedIndex >= 0) app.run(app.session.unusedClick());
  });
  section.querySelector('.accept').addEventListener('click', () => {
    const texts = Object.fromEntries(EDITS.map((key) => [key, fields[key].value]));
    const result = app.session.accept({ page, line: chosenLine(), ...texts });
    if (result.shown) {
      for (const key of EDITS) setField(key, result.shown[key]);
      keepShown = true;
    }
    app.run(result);
    app.settleFocused();
    queueMicrotask(() => {
      keepShown = false;
    });
  });
  for (const key of EDITS) {
    fields[key].addEventListener('keydown', (event) => {
      if (event.key === 'Enter') section.querySelector('.accept').click();
    });
  }

  return {
    showRosters(rosters) {
      // The line reviewed stays chosen, and its review shown as it now stands, where the lists
      // built again still hold it there (after an accept, an undo or redo of a unit's change).
      const kept = all.selectedIndex >= 0 ? [all.selectedIndex, all.value] : null;
      fillList(all, page === 'core' ? rosters.coreNames : rosters.auxNames);
      fillList(unused, page === 'core' ? rosters.unusedCoreNames : rosters.unusedAuxNames);
      if (rosters.sideCaption !== null) sideCaption.textContent = rosters.sideCaption;
      // The refresh empties the review, all but the experience edit.
      for (const [key] of FIELDS) if (key !== 'experience') setField(key, '');
      if (rosters.experience.pageAverage !== null) average.textContent = rosters.experience.pageAverage;
      if (rosters.experience.pageNewUnit !== null) newUnit.textContent = rosters.experience.pageNewUnit;
      if (kept && all.options[kept[0]]?.value === kept[1]) {
        all.selectedIndex = kept[0];
        // After the operation that built the lists has told every page.
        queueMicrotask(() => {
          if (!keepShown && all.selectedIndex === kept[0]) {
            app.session.review({ page, line: kept[0] });
            app.settleFocused();
          }
        });
      }
    },
    showReview(review) {
      if (review.page !== page) return;
      for (const [key] of FIELDS) setField(key, review.fields[key]);
      all.selectedIndex = review.line;
    },
    clearAll() {
      fillList(all, []);
    },
  };
}

export function setUpUnits(app) {
  const pages = [
    unitPage(document.getElementById('page-core'), app),
    unitPage(document.getElementById('page-aux'), app),
  ];
  const sides = [...document.querySelectorAll('input[name="side"]')];
  const coreLines = document.getElementById('core-lines');
  const auxLines = document.getElementById('aux-lines');
  const composition = fillCaptions(document.getElementById('composition'), app.texts.composition);
  const compositionNote = document.getElementById('composition-note');

  for (const button of sides) {
    button.addEventListener('change', () => app.run(app.session.chooseSide(Number(button.value))));
  }
  document.getElementById('to-aux').addEventListener('click', () => {
    app.run(app.session.transfer({ toAux: true, lines: selectedLines(coreLines) }));
  });
  document.getElementById('to-core').addEventListener('click', () => {
    app.run(app.session.transfer({ toAux: false, lines: selectedLines(auxLines) }));
  });

  return {
    apply(change) {
      for (const button of sides) button.checked = Number(button.value) === change.sideChosen;
      if (change.rosters) {
        fillList(coreLines, change.rosters.coreLines);
        fillList(auxLines, change.rosters.auxLines);
        change.rosters.composition.forEach((text, i) => {
          composition[i].textContent = text;
        });
        // Why units are left out of the counts: their class is unknown.
        compositionNote.textContent = change.rosters.compositionNote;
        compositionNote.hidden = change.rosters.compositionNote === '';
        for (const page of pages) page.showRosters(change.rosters);
      } else if (change.opened) {
        // An opening without a side chosen builds no lists: only "All Core Units" is emptied.
        pages[0].clearAll();
      }
      if (change.review) for (const page of pages) page.showReview(change.review);
    },
  };
}
