// SPDX-License-Identifier: GPL-3.0-or-later
// The console program's loop around a player: the files named, in order, or
// standard input; each line read, numbered and planned by the console's own
// rules; every line the console would report written to err with its file
// and line number; the exit status as the console gives it.

// Resolves to the exit status. inputs: [{path, name}], the path "" being
// standard input, the name "" reporting lines without a file name (as for
// standard input). player.perform(plan) plays a command and resolves to a
// refusal or null; err takes text.
export async function runInputs(rules, player, inputs, err) {
    let anyError = false;
    const report = (text) => {
        anyError = true;
        err(`${text}\n`);
    };
    for (const { path, name } of inputs) {
        if (player.closed) break;
        const input = rules.readInput(path);
        if (input.openError !== undefined) {
            report(`${name}: ${input.openError}`);
            continue;
        }
        const prefix = name === '' ? '' : `${name}: `;
        let lineNumber = 0;
        for (const line of input.lines) {
            if (player.closed) break;
            ++lineNumber;
            const plan = rules.planLine(line.bytes, line.tooLong);
            if (plan.kind === 'skip') continue;
            const refusal = plan.kind === 'error' ? plan.message : await player.perform(plan);
            if (refusal) report(`${prefix}line ${lineNumber}: ${refusal}`);
        }
        if (input.readError !== undefined && !player.closed) {
            report(`${prefix}line ${lineNumber + 1}: ${input.readError}`);
        }
    }
    return anyError ? rules.errorStatus : rules.successStatus;
}

// The console's own inputs: the files named, or standard input.
export function inputsOf(files) {
    return files.length === 0 ? [{ path: '', name: '' }] : files.map((file) => ({ path: file, name: file }));
}
