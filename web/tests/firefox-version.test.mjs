// The check of the Firefox that the page's suites drive, before they run.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { chmod, mkdtemp, rm, writeFile } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import { test } from 'node:test';

import { firefoxProblem } from './firefox-version.mjs';

const script = path.join(path.dirname(fileURLToPath(import.meta.url)), 'firefox-version.mjs');

test('Firefox ESR 140 is refused with what to update; 153 and later pass', () => {
  const problem = firefoxProblem('Mozilla Firefox 140.5.0esr\n', '/usr/bin/firefox-esr');
  assert.match(problem, /^\/usr\/bin\/firefox-esr is Firefox 140, which lacks the WebDriver BiDi/);
  assert.match(problem, /browser\.setDownloadBehavior and emulation\.setScreenOrientationOverride/);
  assert.match(problem, /Firefox 153 or later.*bookworm-security.*ZARKEL_FIREFOX/s);
  assert.equal(firefoxProblem('Mozilla Firefox 153.8.0esr'), null);
  assert.equal(firefoxProblem('Mozilla Firefox 160.0'), null);
  assert.match(firefoxProblem('something else'), /^Cannot tell the version of firefox/);
});

test('run as a program on an old Firefox it stops with the message; on a new one it is quiet',
  async () => {
    const folder = await mkdtemp(path.join(os.tmpdir(), 'zarkel-firefox-'));
    try {
      const fake = async (version) => {
        const file = path.join(folder, `firefox-${version}`);
        await writeFile(file, `#!/bin/sh\necho "Mozilla Firefox ${version}esr"\n`);
        await chmod(file, 0o755);
        return file;
      };
      await assert.rejects(promisify(execFile)(process.execPath, [script, await fake('140.5.0')]),
                           (error) => error.code === 1 && /is Firefox 140/.test(error.stderr));
      const { stdout, stderr } = await promisify(execFile)(process.execPath, [script, await fake('153.8.0')]);
      assert.equal(stdout + stderr, '');
    } finally {
      await rm(folder, { recursive: true, force: true });
    }
  });
