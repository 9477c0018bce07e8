// The ten pages as tabs, in the window's order: a click or Enter shows a page; the arrow keys,
// Home and End move between the tabs, as in any tab bar. `onShow(id)` hears of every page shown.
export function setUpTabs(tablist, onShow) {
  const tabs = [...tablist.querySelectorAll('[role="tab"]')];

  function show(tab, focus = false) {
    for (const other of tabs) {
      const selected = other === tab;
      other.setAttribute('aria-selected', String(selected));
      other.tabIndex = selected ? 0 : -1;
      document.getElementById(other.getAttribute('aria-controls')).hidden = !selected;
    }
    if (focus) tab.focus();
    onShow(tab.getAttribute('aria-controls'));
  }

  tablist.addEventListener('click', (event) => {
    const tab = event.target.closest('[role="tab"]');
    if (tab) show(tab);
  });
  tablist.addEventListener('keydown', (event) => {
    const index = tabs.indexOf(document.activeElement);
    if (index < 0) return;
    const moves = {
      ArrowRight: index + 1,
      ArrowLeft: index - 1,
      Home: 0,
      End: tabs.length - 1,
    };
    if (!(event.key in moves)) return;
    event.preventDefault();
    show(tabs[(moves[event.key] + tabs.length) % tabs.length], true);
  });
  show(tabs[0]);
  return {
    // Shows the page whose panel has the id `pageId`.
    show: (pageId) => show(tabs.find((tab) => tab.getAttribute('aria-controls') === pageId)),
    shown: () => tabs.find((tab) => tab.getAttribute('aria-selected') === 'true').getAttribute('aria-controls'),
  };
}
