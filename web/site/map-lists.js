// The Map page's lists: the units not placed, side by side, and the scenario check's findings
// with what it could not look at.
// The check's findings of `session` in `findingsList`, its notes in `checkNotes`.
export function showFindings(session, findingsList, checkNotes) {
  const { findings, notes } = session.check();
  findingsList.classList.toggle('none', findings.length === 0);
  const items = findings.length === 0 ? ['No findings.'] : findings.map((finding) => finding.text);
  findingsList.replaceChildren(
    ...items.map((text) => {
      const item = document.createElement('li');
      item.textContent = text;
      return item;
    }),
  );
  checkNotes.textContent = notes.join('\n');
  checkNotes.hidden = notes.length === 0;
}

// The units of each side that stand on no hex, from the map's `content`, in `list`, each side
// under its title in `sideTitles`.
export function showUnplaced(content, list, sideTitles) {
  list.replaceChildren(
    ...content.unplaced.map((names, side) => {
      const item = document.createElement('li');
      item.textContent = `${sideTitles[side]} (${names.length})`;
      const unitList = document.createElement('ul');
      unitList.replaceChildren(
        ...names.map((name) => {
          const entry = document.createElement('li');
          entry.textContent = name;
          return entry;
        }),
      );
      item.append(unitList);
      return item;
    }),
  );
}
