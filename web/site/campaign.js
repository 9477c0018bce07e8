// "Campaign Data": the scenario type and the eight limits, each change one step of the session
// once its edit is finished (Enter, or leaving the field), as the window makes it; the current
// unit counts on "Update Current Values"; the experience figures of both sides.
import { fillCaptions } from './lists.js';


export function setUpCampaign(app) {
  // The limits as the core lays them out, row by row, Axis on the left, and the texts their edits
  // show before a scenario is opened (the window's, which are its controls' names).
  const places = app.texts.limitPlaces;
  const rowCount = Math.max(...places.map((place) => place.row)) + 1;
  const ROWS = Array.from({ length: rowCount }, (_, row) =>
    places
      .filter((place) => place.row === row)
      .sort((a, b) => a.column - b.column)
      .map((place) => place.field),
  );
  const FIRST_TEXTS = places.map((place) => place.firstText);
  const limits = [];
  // What each field shows of the limits: its first text, then the session's.
  const held = [...FIRST_TEXTS];
  const grid = document.getElementById('limits');
  for (const row of ROWS) {
    for (const field of row) {
      const label = document.createElement('label');
      label.htmlFor = `limit-${field}`;
      label.textContent = app.texts.limits[field];
      const edit = document.createElement('input');
      edit.type = 'text';
      edit.id = `limit-${field}`;
      edit.value = FIRST_TEXTS[field];
      edit.spellcheck = false;
      edit.autocomplete = 'off';
      edit.addEventListener('change', () => {
        // A refused edit (no scenario open) leaves the field showing what it held.
        if (app.run(app.session.setLimit(field, edit.value)).error) edit.value = held[field];
      });
      limits[field] = edit;
      grid.append(label, edit);
    }
  }

  const type = document.getElementById('battle-type');
  type.addEventListener('change', () => {
    // The session reads the text as the window's spin control does.
    app.run(app.session.setType(type.value));
    type.value = String(app.session.snapshot().type);
  });

  const counts = {};
  for (const list of document.querySelectorAll('[data-counts]')) {
    counts[list.dataset.counts] = fillCaptions(list, app.texts.countCaptions);
  }
  document.getElementById('update-values').addEventListener('click', () => {
    const result = app.session.updateCurrentValues();
    if (result.counts) {
      for (const side of ['axis', 'allied']) {
        result.counts[side].forEach((text, i) => {
          counts[side][i].textContent = text;
        });
      }
    }
    app.run(result);
  });

  const experience = ['axisAverage', 'axisNewUnit', 'alliedAverage', 'alliedNewUnit'].map(
    (key) => [key, document.getElementById(key.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`))],
  );

  return {
    apply(change) {
      if (change.campaignEntries) {
        type.value = String(change.type);
        change.limits.forEach((text, field) => {
          limits[field].value = text;
          held[field] = text;
        });
      }
      if (change.rosters) {
        for (const [key, element] of experience) {
          element.textContent = change.rosters.experience[key];
        }
      }
    },
  };
}
