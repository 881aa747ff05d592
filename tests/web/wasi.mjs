// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The few WASI calls that the tests' modules import, for Node without node:wasi (which
// can crash as a program ends): arguments, environment, writing to standard output and
// error, and exit.

import { writeSync } from 'node:fs';

const ESUCCESS = 0;
const EBADF = 8;
const ESPIPE = 70;
const FILETYPE_CHARACTER_DEVICE = 2;
const RIGHT_FD_WRITE = 1n << 6n;

// Thrown by proc_exit to leave the module's code; never seen outside runWasi.
class Exit {
    constructor(code) {
        this.code = code;
    }
}

function writeAll(fd, bytes) {
    for (let done = 0; done < bytes.length;) {
        try {
            done += writeSync(fd, bytes, done, bytes.length - done);
        } catch (error) {
            // A pipe that Node made non-blocking: wait for the reader.
            if (error.code !== 'EAGAIN')
                throw error;
            Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 1);
        }
    }
}

// "name=value" texts, NUL-terminated, and the pointers to them.
function stringsImports(view, strings) {
    const encoded = strings.map((s) => new TextEncoder().encode(s + '\0'));
    const bytes = encoded.reduce((n, e) => n + e.length, 0);
    return {
        sizes(countAt, bytesAt) {
            view().setUint32(countAt, encoded.length, true);
            view().setUint32(bytesAt, bytes, true);
            return ESUCCESS;
        },
        get(pointersAt, bufferAt) {
            const v = view();
            const memory = new Uint8Array(v.buffer);
            for (const e of encoded) {
                v.setUint32(pointersAt, bufferAt, true);
                pointersAt += 4;
                memory.set(e, bufferAt);
                bufferAt += e.length;
            }
            return ESUCCESS;
        },
    };
}

// The WASI imports of a module whose memory `memory()` gives once it exists.
export function wasiImports(memory, { args = [], env = {} } = {}) {
    const view = () => new DataView(memory().buffer);
    const argv = stringsImports(view, args);
    const environ = stringsImports(view, Object.entries(env).map(([k, v]) => `${k}=${v}`));
    const std = (fd) => fd >= 0 && fd <= 2;
    return {
        args_sizes_get: argv.sizes,
        args_get: argv.get,
        environ_sizes_get: environ.sizes,
        environ_get: environ.get,
        fd_write(fd, iovs, count, writtenAt) {
            if (fd !== 1 && fd !== 2)
                return EBADF;
            const v = view();
            let written = 0;
            for (let i = 0; i < count; ++i) {
                const at = v.getUint32(iovs + 8 * i, true);
                const length = v.getUint32(iovs + 8 * i + 4, true);
                writeAll(fd, new Uint8Array(memory().buffer, at, length));
                written += length;
            }
            v.setUint32(writtenAt, written, true);
            return ESUCCESS;
        },
        // A character device that cannot seek: the C library buffers a line at a time on
        // a terminal, whole blocks elsewhere.
        fd_fdstat_get(fd, at) {
            if (!std(fd))
                return EBADF;
            const v = view();
            const terminal = fd === 0 ? process.stdin.isTTY : fd === 1 ? process.stdout.isTTY
                                                                         : process.stderr.isTTY;
            v.setUint8(at, terminal ? FILETYPE_CHARACTER_DEVICE : 0);
            v.setUint16(at + 2, 0, true);
            v.setBigUint64(at + 8, fd === 0 ? 0n : RIGHT_FD_WRITE, true);
            v.setBigUint64(at + 16, 0n, true);
            return ESUCCESS;
        },
        fd_seek(fd) {
            return std(fd) ? ESPIPE : EBADF;
        },
        fd_close(fd) {
            return std(fd) ? ESUCCESS : EBADF;
        },
        proc_exit(code) {
            throw new Exit(code);
        },
    };
}

// A module's instance with these WASI imports and `more` (by module name); any other
// error, and exit.
export function instantiate(module, options, more = {}) {
    let memory;
    const wasi = wasiImports(() => memory, options);
    const missing = WebAssembly.Module.imports(module)
        .filter((i) => i.module === 'wasi_snapshot_preview1' ? !(i.name in wasi) : !(i.module in more))
        .map((i) => `${i.module}.${i.name}`);
    if (missing.length)
        throw new Error(`imports this WASI does not have: ${missing.join(', ')}`);
    const instance = new WebAssembly.Instance(module, { wasi_snapshot_preview1: wasi, ...more });
    memory = instance.exports.memory;
    return instance;
}

// Runs a command module (one with _start) and returns its exit status.
export function runWasi(module, options) {
    const instance = instantiate(module, options);
    try {
        instance.exports._start();
    } catch (error) {
        if (error instanceof Exit)
            return error.code;
        throw error;
    }
    return 0;
}
