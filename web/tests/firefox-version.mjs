// The Firefox the page's suites drive must know the WebDriver BiDi commands they send
// (browser.setDownloadBehavior for the downloads, emulation.setScreenOrientationOverride for
// small screens): Firefox ESR 140 does not, 153 does. Checked before the suites run, so that an
// old Firefox stops them with what to update rather than with protocol errors deep in a test.
//
//   node tests/firefox-version.mjs [FIREFOX]   prints what is wrong and exits 1, else nothing
import { execFileSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';

export const OLDEST_FIREFOX = 153;

// What is wrong with the Firefox that answered `--version` with `versionText`, or null.
export function firefoxProblem(versionText, executable = 'firefox') {
  const found = /Firefox\s+(\d+)(?:\.[\w.]+)?/i.exec(versionText);
  const update =
    `The page's Firefox suites need Firefox ${OLDEST_FIREFOX} or later (${executable}). On ` +
    "Debian 12, add its security archive (deb https://security.debian.org/debian-security " +
    "bookworm-security main) and run 'apt-get update && apt-get install firefox-esr'; or set " +
    'ZARKEL_FIREFOX to a newer Firefox.';
  if (!found) return `Cannot tell the version of ${executable} from "${versionText.trim()}". ${update}`;
  const major = Number(found[1]);
  if (major >= OLDEST_FIREFOX) return null;
  return `${executable} is Firefox ${major}, which lacks the WebDriver BiDi commands ` +
    `browser.setDownloadBehavior and emulation.setScreenOrientationOverride. ${update}`;
}

if (import.meta.url === pathToFileURL(process.argv[1] ?? '').href) {
  const executable = process.argv[2] ?? process.env.ZARKEL_FIREFOX ?? '/usr/bin/firefox-esr';
  let versionText;
  try {
    versionText = execFileSync(executable, ['--version'], { encoding: 'utf8' });
  } catch (error) {
    versionText = '';
    console.error(`${executable} --version failed: ${error.message}`);
  }
  const problem = firefoxProblem(versionText, executable);
  if (problem) {
    console.error(problem);
    process.exit(1);
  }
}
