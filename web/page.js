// The page around the game: loading, messages, sound, full screen, replays handed to the game, and the
// user's files kept in the browser's IndexedDB across visits. The game itself is yorun.js and yorun.wasm,
// with its pictures and sounds in yorun.data.
'use strict';

(function () {
    const canvas = document.getElementById('canvas');
    const loading = document.getElementById('loading');
    const loadingText = document.getElementById('loading-text');
    const loadingFill = document.getElementById('loading-fill');
    const messagePanel = document.getElementById('message');
    const soundHint = document.getElementById('sound-hint');
    const storageNote = document.getElementById('storage-note');

    // Where the game keeps what the player keeps: the desktop's XDG folders, inside an IndexedDB mount.
    const PERSIST = '/persist';
    const DATA_HOME = PERSIST + '/data';
    const CONFIG_HOME = PERSIST + '/config';
    // Replays the player hands the game, outside what is kept, under their own names.
    const CHOSEN = '/chosen';
    const MAX_REPLAY_BYTES = 4 * 1024 * 1024;
    // Shared by every tab of the site: one at a time reads, changes and writes back the kept files.
    const FILES_LOCK = 'yorun-kept-files';

    function showMessage(caption, text) {
        document.getElementById('message-caption').textContent = caption;
        document.getElementById('message-text').textContent = text;
        messagePanel.hidden = false;
        loading.hidden = true;
    }
    document.getElementById('message-close').addEventListener('click', () => {
        messagePanel.hidden = true;
        canvas.focus();
    });

    // The build of the site this page belongs to (written in by tools/web/seal-site.mjs): every file the
    // page asks for names it, so that the files kept for visits with no network are always one build's.
    const build = /^[0-9a-f]+$/.test(document.documentElement.dataset.build || '')
        ? document.documentElement.dataset.build : null;
    const ofThisBuild = (name) => (build ? name + '?build=' + build : name);

    // The game's code compiles while it downloads (the page fetches it from the start), not once yorun.js
    // has run. A code that cannot be compiled is reported as any file of the site that did not arrive.
    const compiledCode = typeof WebAssembly.compileStreaming === 'function'
        ? WebAssembly.compileStreaming(fetch(ofThisBuild('yorun.wasm'), {credentials: 'same-origin'})) : null;
    function instantiateCode(imports, receive) {
        compiledCode
            .then((code) => WebAssembly.instantiate(code, imports).then((instance) => receive(instance, code)))
            .catch((error) => setTimeout(() => {
                throw new Error(`yorun.wasm could not be compiled: ${error.message || error}`);
            }));
        return {};
    }

    // The classic game (?classic) is the game as it first was: it watches no replay handed to it.
    const params = new URLSearchParams(location.search);
    const classic = params.has('classic');
    const args = [];
    if (classic) {
        args.push('--classic');
        document.getElementById('choose').parentElement.hidden = true;
    }

    // The kept files. The game changes them only in file jobs, which it runs in turns the page gives it
    // (Module.takeFileTurn): under a lock every tab of the site shares, the stored files are read again
    // first, so that a job sees what other tabs kept, and whatever it changed is written back before the
    // next tab's turn. No tab ever writes its older copy over another's.
    let keeping = true;
    let running = false;
    let exited = false;
    let turns = Promise.resolve();

    // Why the browser would not keep the files, in the player's words.
    function storageReason(error) {
        const name = error && error.name;
        if (name === 'QuotaExceededError') {
            return 'the browser\'s storage for this site is full';
        }
        if (name === 'TimeoutError') {
            return 'the browser\'s storage did not answer';
        }
        if (name === 'SecurityError' || name === 'InvalidStateError' || name === 'UnknownError') {
            return 'this browser does not let the page keep files (a private window, or storage blocked for ' +
                'this site)';
        }
        return 'the browser refused to keep them (' + (error && error.message ? error.message : String(error)) + ')';
    }

    // From now on nothing is read from or written to the browser's storage, and the page says so: the
    // games, records and settings of this visit stay in the page's memory only.
    function stopKeeping(error) {
        const reason = storageReason(error);
        console.warn('Yorun: nothing is kept in this browser:', error);
        if (keeping) {
            keeping = false;
            storageNote.textContent = 'Nothing is being kept in this browser: ' + reason + '. Your games, ' +
                'records and settings last only until this page is closed.';
            storageNote.hidden = false;
        }
        window.dispatchEvent(new CustomEvent('yorun-files-not-kept', {detail: reason}));
    }

    // IndexedDB ends a write it cannot keep (the site's quota is full) by aborting its transaction, which
    // the file system's own code does not listen for: it would wait for ever. The page listens, and a
    // write that was refused fails the copy under way. One that never answers at all fails it too, in time.
    let failCopy = null;
    const COPY_SECONDS = 60;
    try {
        const openTransaction = IDBDatabase.prototype.transaction;
        IDBDatabase.prototype.transaction = function (...names) {
            const transaction = openTransaction.apply(this, names);
            transaction.addEventListener('abort', () => {
                if (failCopy) {
                    failCopy(transaction.error || new DOMException('the write was abandoned', 'AbortError'));
                }
            });
            return transaction;
        };
    } catch (error) {
        // No IndexedDB here: nothing is kept, as the start will find.
    }

    // Copies the kept files from the browser's storage into the page's memory (fromStorage) or back.
    function sync(fromStorage) {
        return new Promise((resolve, reject) => {
            const watchdog = setTimeout(() => reject(new DOMException('the browser did not answer', 'TimeoutError')),
                COPY_SECONDS * 1000);
            failCopy = (error) => {
                clearTimeout(watchdog);
                reject(error);
            };
            FS.syncfs(fromStorage, (error) => {
                clearTimeout(watchdog);
                failCopy = null;
                if (error) {
                    reject(error);
                } else {
                    resolve();
                }
            });
        });
    }

    function withFilesLock(work) {
        let locks = null;
        try {
            locks = navigator.locks;
        } catch (error) {
            locks = null;
        }
        return locks && locks.request ? locks.request(FILES_LOCK, work) : work();
    }

    function storageAvailable() {
        try {
            return typeof indexedDB !== 'undefined' && indexedDB !== null;
        } catch (error) {
            return false;
        }
    }

    // A turn at the files: the game's jobs run in `run`.
    function takeFileTurn(run) {
        turns = turns.then(() => withFilesLock(async () => {
            if (keeping) {
                try {
                    await sync(true);
                } catch (error) {
                    stopKeeping(error);
                }
            }
            if (!exited) {
                run();
            }
            if (keeping) {
                try {
                    await sync(false);
                    window.dispatchEvent(new Event('yorun-files-kept'));
                } catch (error) {
                    stopKeeping(error);
                }
            }
        })).catch((error) => console.error('Yorun: a turn at the kept files went wrong:', error));
    }

    // A replay the player chose or dropped goes to the game as it runs: the game takes it at its next
    // frame. Only the newest one is kept in the page's memory.
    let handedPath = null;
    let waitingReplay = null;
    function handToGame(name, bytes) {
        if (exited) {
            showMessage('Yorun', 'Yorun has closed. Reload the page to play again.');
            return;
        }
        if (!running) {
            waitingReplay = {name, bytes};
            return;
        }
        try {
            FS.mkdir(CHOSEN);
        } catch (error) {
            // There already.
        }
        const path = CHOSEN + '/' + (name.replace(/[/\\\0]/g, '_') || 'replay.yrp');
        if (handedPath !== null && handedPath !== path) {
            FS.unlink(handedPath);
        }
        FS.writeFile(path, bytes);
        handedPath = path;
        callGame('yorun_hand_file', path);
        canvas.focus();
    }

    // Calls a function the game exports, its strings put on the game's stack for the call and taken off
    // after it. Not Module.ccall: a call made while the game's main waits in a sleep (most of the time) is
    // run at once by ccall, but its stack and the runtime's hold are only given back once main has
    // returned, so every key and touch would keep a few bytes of stack and the runtime could never end.
    function callGame(name, ...values) {
        const stack = Module.stackSave();
        try {
            const args = values.map((value) => {
                if (typeof value !== 'string') {
                    return value;
                }
                const size = Module.lengthBytesUTF8(value) + 1;
                const where = Module.stackAlloc(size);
                Module.stringToUTF8(value, where, size);
                return where;
            });
            return Module['_' + name](...args);
        } finally {
            Module.stackRestore(stack);
        }
    }

    // What each key types, so that the game calls its keys by their caps and a shortcut follows its label:
    // the whole layout where the browser tells it (the Keyboard API), and every key as it is pressed.
    function labelKey(place, typed) {
        if (running && !exited && typeof place === 'string' && typeof typed === 'string') {
            callGame('yorun_label_key', place, typed);
        }
    }

    function learnKeyboardLayout() {
        if (navigator.keyboard && typeof navigator.keyboard.getLayoutMap === 'function') {
            navigator.keyboard.getLayoutMap()
                .then((layout) => layout.forEach((typed, place) => labelKey(place, typed)))
                .catch(() => {});
        }
    }

    window.addEventListener('keydown', (event) => {
        // Only a key that types one character without a modifier says what its cap says.
        if (!event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey && [...event.key].length === 1) {
            labelKey(event.code, event.key);
        }
    }, true);

    async function watchReplayFile(file) {
        if (classic) {
            return;
        }
        if (file.size > MAX_REPLAY_BYTES) {
            showMessage('Yorun', file.name + ' is too large to be a replay.');
            return;
        }
        try {
            handToGame(file.name, new Uint8Array(await file.arrayBuffer()));
        } catch (error) {
            showMessage('Yorun', file.name + ' could not be read: ' + error);
        }
    }

    window.Module = {
        canvas: canvas,
        locateFile: (name, prefix) => prefix + ofThisBuild(name),
        instantiateWasm: compiledCode ? instantiateCode : undefined,
        arguments: args,
        showMessage: showMessage,
        takeFileTurn: takeFileTurn,
        callGame: callGame,
        print: (text) => console.log(text),
        printErr: (text) => console.error(text),
        preRun: [function () {
            ENV.XDG_DATA_HOME = DATA_HOME;
            ENV.XDG_CONFIG_HOME = CONFIG_HOME;
            FS.mkdir(PERSIST);
            if (!storageAvailable()) {
                stopKeeping(new DOMException('no IndexedDB', 'SecurityError'));
                return;
            }
            try {
                FS.mount(IDBFS, {}, PERSIST);
            } catch (error) {
                stopKeeping(error);
                return;
            }
            // The files as another tab may be writing them: read under the same lock.
            addRunDependency('yorun-persist');
            withFilesLock(() => sync(true))
                .catch((error) => stopKeeping(error))
                .finally(() => removeRunDependency('yorun-persist'));
        }],
        onRuntimeInitialized: function () {
            running = true;
            learnKeyboardLayout();
            keepAwake();
            // After the title's first frames, which the site's copy must not hold up.
            setTimeout(keepSite, 1000);
            if (waitingReplay !== null) {
                const {name, bytes} = waitingReplay;
                waitingReplay = null;
                handToGame(name, bytes);
            }
        },
        setStatus: function (text) {
            const progress = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text);
            if (progress) {
                const share = Number(progress[1]) / Number(progress[2]);
                loadingFill.style.width = Math.round(share * 100) + '%';
                loadingText.textContent = 'Loading Yorun… ' + Math.round(share * 100) + ' %';
            } else if (text === '') {
                loading.hidden = true;
                canvas.focus();
            }
        },
        onExit: function (status) {
            if (exited) {
                return;
            }
            exited = true;
            letSleep();
            if (status !== 0) {
                forgetKeptSite();
            }
            const reason = status === 0 ? 'Yorun has closed.'
                : status === 2 ? 'Yorun could not load its pictures and sounds.'
                : 'Yorun could not start.';
            const before = messagePanel.hidden ? '' : document.getElementById('message-text').textContent + '\n\n';
            showMessage('Yorun', before + reason + ' Reload the page to play again.');
        },
        onAbort: function (what) {
            exited = true;
            letSleep();
            forgetKeptSite();
            showMessage('Yorun stopped', 'Something went wrong: ' + what + '\nReload the page to play again.');
        },
    };

    // What goes wrong before the game runs: most often a file of the site that did not arrive.
    window.addEventListener('error', (event) => {
        if (loading.hidden === false) {
            const text = String(event.message || event);
            const missing = /yorun\.(data|wasm)/.exec(text);
            showMessage('Yorun could not load', missing
                ? `The game's ${missing[1] === 'data' ? 'pictures and sounds' : 'code'} (yorun.${missing[1]}) ` +
                  `could not be downloaded:\n${text.replace(/^Uncaught Error: /, '')}\n\n` +
                  'The site must hold every file that scripts/web put in build-web/site.'
                : text);
            soundHint.hidden = true;
            forgetKeptSite();
        }
    });

    // The site kept for visits with no network, when a start fails: it may be a build the rest of the site
    // no longer matches. The next visit then takes the site from the network, and keeps it afresh.
    function forgetKeptSite() {
        if (!('serviceWorker' in navigator) || !window.caches) {
            return;
        }
        navigator.serviceWorker.getRegistrations()
            .then((registrations) => Promise.all(registrations.map((registration) => registration.unregister())))
            .then(() => caches.keys())
            .then((names) => Promise.all(names.filter((name) => name.startsWith('yorun-'))
                .map((name) => caches.delete(name))))
            .then(() => {
                const text = document.getElementById('message-text');
                if (!messagePanel.hidden && !text.textContent.includes('kept for visits')) {
                    text.textContent += '\n\nThe copy of the site kept for visits with no network has been ' +
                        'removed: a reload takes the site afresh.';
                }
            })
            .catch((error) => console.warn('Yorun: the kept copy of the site could not be removed:', error));
    }

    // The site is kept for visits with no network once it has started; nothing is lost without it.
    function keepSite() {
        if (!build || !('serviceWorker' in navigator) || !window.isSecureContext) {
            return;
        }
        navigator.serviceWorker.register('service-worker.js')
            .catch((error) => console.warn('Yorun: the site cannot be kept for visits with no network:', error));
    }

    // The screen stays on while the game is played: from each key, touch or click for a few minutes, so
    // that a round or a replay being watched is never cut by the screen going dark, and a page left on its
    // title lets the screen sleep. Taken again when the page comes back, which gives it up when hidden.
    const AWAKE_MS = 3 * 60 * 1000;
    let wakeLock = null;
    let wakeAsked = false;
    let sleepTimer = null;
    function keepAwake() {
        clearTimeout(sleepTimer);
        sleepTimer = setTimeout(letSleep, AWAKE_MS);
        takeWakeLock();
    }
    async function takeWakeLock() {
        if (wakeLock !== null || wakeAsked || exited || !running || document.visibilityState !== 'visible' ||
            !navigator.wakeLock) {
            return;
        }
        wakeAsked = true;
        try {
            const lock = await navigator.wakeLock.request('screen');
            lock.addEventListener('release', () => {
                if (wakeLock === lock) {
                    wakeLock = null;
                }
            });
            wakeLock = lock;
            window.dispatchEvent(new Event('yorun-kept-awake'));
        } catch (error) {
            // Refused (a battery saver, or a browser that asks first): the screen keeps its own timer.
        } finally {
            wakeAsked = false;
        }
    }
    function letSleep() {
        clearTimeout(sleepTimer);
        sleepTimer = null;
        if (wakeLock !== null) {
            wakeLock.release().catch(() => {});
            wakeLock = null;
        }
    }
    for (const kind of ['keydown', 'pointerdown', 'touchstart']) {
        window.addEventListener(kind, () => keepAwake(), {capture: true, passive: true});
    }
    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'visible' && sleepTimer !== null) {
            takeWakeLock();
        }
    });

    // Without WebGL, SDL draws through a 2D canvas: slower, but the game plays.
    const probe = document.createElement('canvas');
    const noWebGl = !(probe.getContext('webgl') || probe.getContext('experimental-webgl'));
    if (noWebGl) {
        console.warn('Yorun: no WebGL in this browser; drawing without it, more slowly.');
    }

    // Browsers start sound only after the player has touched the page, and only from within the handler of
    // a gesture they count as one: a key, a click, or a finger lifted (a finger put down is not one on
    // phones). SDL tries at the first key, click or touch only; the page tries at each until the sound runs,
    // and the hint stays until it does.
    const AudioContextType = window.AudioContext || window.webkitAudioContext;
    if (!AudioContextType) {
        soundHint.textContent = 'This browser has no sound for web pages: the game plays silently';
    } else {
        const gestures = ['keydown', 'mousedown', 'pointerup', 'touchend', 'click'];
        const startSound = () => {
            const context = window.Module.SDL2 && window.Module.SDL2.audioContext;
            if (context && context.state === 'suspended' && document.visibilityState === 'visible') {
                context.resume().catch(() => {});
            }
        };
        for (const gesture of gestures) {
            window.addEventListener(gesture, startSound, {capture: true, passive: true});
        }
        const watchSound = setInterval(() => {
            const context = window.Module.SDL2 && window.Module.SDL2.audioContext;
            if (context && context.state === 'running') {
                soundHint.hidden = true;
                clearInterval(watchSound);
                for (const gesture of gestures) {
                    window.removeEventListener(gesture, startSound, {capture: true});
                }
            }
        }, 250);
    }

    // The button and the game's Alt+Enter both put the stage (the picture and its black bars) full screen.
    function setFullscreen(on) {
        const stage = document.getElementById('stage');
        if (!on && document.fullscreenElement) {
            document.exitFullscreen().catch(() => {});
        } else if (on && !document.fullscreenElement && stage.requestFullscreen) {
            stage.requestFullscreen().catch((error) => console.warn('Yorun: no full screen:', error.message));
        }
        canvas.focus();
    }
    window.Module.setFullscreen = setFullscreen;
    document.getElementById('fullscreen').addEventListener('click', () => setFullscreen(!document.fullscreenElement));

    document.getElementById('download').addEventListener('click', () => {
        const path = DATA_HOME + '/yorun/last.yrp';
        let bytes = null;
        try {
            bytes = FS.readFile(path);
        } catch (error) {
            showMessage('Yorun', 'No game has been played here yet: play one, and it can be saved as a replay.');
            return;
        }
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
        link.download = 'yorun-' + new Date().toISOString().replace(/[:.]/g, '-') + '.yrp';
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 10000);
        canvas.focus();
    });

    const chooser = document.getElementById('choose');
    chooser.addEventListener('change', () => {
        if (chooser.files.length > 0) {
            watchReplayFile(chooser.files[0]);
        }
        // The same file chosen again is a new choice.
        chooser.value = '';
    });

    const dropHint = document.getElementById('drop-hint');
    window.addEventListener('dragover', (event) => {
        event.preventDefault();
        dropHint.hidden = classic;
    });
    window.addEventListener('dragleave', () => {
        dropHint.hidden = true;
    });
    window.addEventListener('drop', (event) => {
        event.preventDefault();
        dropHint.hidden = true;
        if (event.dataTransfer && event.dataTransfer.files.length > 0) {
            watchReplayFile(event.dataTransfer.files[0]);
        }
    });

    const script = document.createElement('script');
    script.src = ofThisBuild('yorun.js');
    script.onerror = () => {
        showMessage('Yorun could not load', 'yorun.js is missing from this site.');
        forgetKeptSite();
    };
    document.body.appendChild(script);
}());
