// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// node command.mjs PROGRAM.wasm [ARGUMENTS...]: runs a command module with the
// environment of this process; the exit status is the program's.

import { readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { runWasi } from './wasi.mjs';

const [path, ...args] = process.argv.slice(2);
const module = new WebAssembly.Module(readFileSync(path));
process.exitCode = runWasi(module, { args: [basename(path), ...args], env: process.env });
