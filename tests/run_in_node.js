// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a test suite built for WebAssembly under node, as CTest runs a native one:
//   node tests/run_in_node.js SUITE.js [ARGUMENTS...]
// The suite gets the arguments and the QT_ and KORVANE_ variables of the environment, and its
// exit status is this process's.
'use strict';
const path = require('path');

const [suite, ...args] = process.argv.slice(2);
if (!suite) {
    console.error('usage: node tests/run_in_node.js SUITE.js [ARGUMENTS...]');
    process.exit(2);
}
// Qt reads the user's languages from the browser; node 20 has no navigator.
globalThis.navigator ??= { languages: ['en-US'], language: 'en-US', hardwareConcurrency: 1 };

const passed = Object.entries(process.env).filter(([name]) => /^(QT_|KORVANE_)/.test(name));
require(path.resolve(suite))({
    arguments: args,
    preRun: [module => passed.forEach(([name, value]) => { module.ENV[name] = value; })],
    onExit: status => process.exit(status),
    onAbort: what => {
        console.error(`${path.basename(suite)}: aborted: ${what}`);
        process.exit(134);
    },
}).catch(error => {
    console.error(`${path.basename(suite)}: ${error && error.stack || error}`);
    process.exit(1);
});
