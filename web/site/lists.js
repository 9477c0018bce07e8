// The window's list boxes as the page's <select> elements: lines shown as the core gives them,
// blanks included (a select would fold them), the selection read back as line numbers.
const BLANK = / /g;
const SHOWN_BLANK = '\u00a0';

// Replaces the lines of `select`; no line stays selected.
export function fillList(select, lines) {
  const options = lines.map((line) => {
    const option = document.createElement('option');
    option.textContent = line.replace(BLANK, SHOWN_BLANK);
    return option;
  });
  select.replaceChildren(...options);
  select.selectedIndex = -1;
}

// The lines of `select` as the core gave them.
export function listLines(select) {
  return [...select.options].map((option) => option.textContent.replaceAll(SHOWN_BLANK, ' '));
}

export function selectedLines(select) {
  return [...select.selectedOptions].map((option) => option.index);
}

// A caption and a value box for each text: [dt, dd] pairs in `list`, the boxes answered.
export function fillCaptions(list, captions) {
  const values = [];
  list.replaceChildren(
    ...captions.flatMap((caption) => {
      const term = document.createElement('dt');
      term.textContent = caption;
      const value = document.createElement('dd');
      values.push(value);
      return [term, value];
    }),
  );
  return values;
}
