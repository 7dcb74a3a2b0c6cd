// The page around the game: loading, messages, sound, full screen, and the user's files kept in the
// browser's IndexedDB across visits. The game itself is yorun.js and yorun.wasm, with its pictures and
// sounds in yorun.data.
'use strict';

(function () {
    const canvas = document.getElementById('canvas');
    const loading = document.getElementById('loading');
    const loadingText = document.getElementById('loading-text');
    const loadingFill = document.getElementById('loading-fill');
    const messagePanel = document.getElementById('message');
    const soundHint = document.getElementById('sound-hint');

    // Where the game keeps what the player keeps: the desktop's XDG folders, inside an IndexedDB mount.
    const PERSIST = '/persist';
    const DATA_HOME = PERSIST + '/data';
    const CONFIG_HOME = PERSIST + '/config';
    const CHOSEN_REPLAY = '/tmp/chosen.yrp';
    const CHOSEN_KEY = 'yorun-chosen-replay';
    const MAX_REPLAY_BYTES = 4 * 1024 * 1024;

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

    // A replay chosen or dropped travels over a reload: the game takes it on its command line.
    const chosen = sessionStorage.getItem(CHOSEN_KEY);
    sessionStorage.removeItem(CHOSEN_KEY);
    const params = new URLSearchParams(location.search);
    const args = [];
    if (params.has('classic')) {
        args.push('--classic');
    }
    if (chosen !== null) {
        args.push('--replay', CHOSEN_REPLAY);
    }

    let persistent = true;
    let syncing = false;
    let syncAgain = false;
    // Copies the user's files to IndexedDB; the game calls it whenever it lets go of its records' lock.
    function keepUserFiles() {
        if (!persistent || typeof FS === 'undefined') {
            return;
        }
        if (syncing) {
            syncAgain = true;
            return;
        }
        syncing = true;
        FS.syncfs(false, (error) => {
            syncing = false;
            if (error) {
                console.error('Yorun: the records could not be kept in this browser:', error);
            }
            if (syncAgain) {
                syncAgain = false;
                keepUserFiles();
            }
            window.dispatchEvent(new Event('yorun-files-kept'));
        });
    }

    function readFileBytes(file) {
        return new Promise((resolve, reject) => {
            const reader = new FileReader();
            reader.onload = () => resolve(new Uint8Array(reader.result));
            reader.onerror = () => reject(reader.error);
            reader.readAsArrayBuffer(file);
        });
    }

    function toBase64(bytes) {
        let text = '';
        for (let i = 0; i < bytes.length; i += 0x8000) {
            text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
        }
        return btoa(text);
    }

    function fromBase64(text) {
        const binary = atob(text);
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i) {
            bytes[i] = binary.charCodeAt(i);
        }
        return bytes;
    }

    async function watchReplayFile(file) {
        if (file.size > MAX_REPLAY_BYTES) {
            showMessage('Yorun', file.name + ' is too large to be a replay.');
            return;
        }
        try {
            const bytes = await readFileBytes(file);
            sessionStorage.setItem(CHOSEN_KEY, toBase64(bytes));
            location.reload();
        } catch (error) {
            showMessage('Yorun', file.name + ' could not be read: ' + error);
        }
    }

    window.Module = {
        canvas: canvas,
        arguments: args,
        showMessage: showMessage,
        keepUserFiles: keepUserFiles,
        print: (text) => console.log(text),
        printErr: (text) => console.error(text),
        preRun: [function () {
            ENV.XDG_DATA_HOME = DATA_HOME;
            ENV.XDG_CONFIG_HOME = CONFIG_HOME;
            FS.mkdir(PERSIST);
            if (chosen !== null) {
                FS.writeFile(CHOSEN_REPLAY, fromBase64(chosen));
            }
            try {
                FS.mount(IDBFS, {}, PERSIST);
            } catch (error) {
                persistent = false;
            }
            if (!persistent || typeof indexedDB === 'undefined') {
                persistent = false;
                console.warn('Yorun: this browser keeps no files; records last until the page is closed.');
                return;
            }
            addRunDependency('yorun-persist');
            FS.syncfs(true, (error) => {
                if (error) {
                    persistent = false;
                    console.warn('Yorun: the kept records could not be read:', error);
                }
                removeRunDependency('yorun-persist');
            });
        }],
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
            keepUserFiles();
            const reason = status === 0 ? 'Yorun has closed.'
                : status === 2 ? 'Yorun could not load its pictures and sounds.'
                : 'Yorun could not start.';
            const before = messagePanel.hidden ? '' : document.getElementById('message-text').textContent + '\n\n';
            showMessage('Yorun', before + reason + ' Reload the page to play again.');
        },
        onAbort: function (what) {
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
        }
    });

    // Without WebGL, SDL draws through a 2D canvas: slower, but the game plays.
    const probe = document.createElement('canvas');
    const noWebGl = !(probe.getContext('webgl') || probe.getContext('experimental-webgl'));
    if (noWebGl) {
        console.warn('Yorun: no WebGL in this browser; drawing without it, more slowly.');
    }

    // Browsers start sound only after the player has touched the page: SDL resumes it at the first key or
    // click; the hint stays until it has.
    const AudioContextType = window.AudioContext || window.webkitAudioContext;
    if (!AudioContextType) {
        soundHint.textContent = 'This browser has no sound for web pages: the game plays silently';
    } else {
        const watchSound = setInterval(() => {
            const context = window.Module.SDL2 && window.Module.SDL2.audioContext;
            if (context && context.state === 'running') {
                soundHint.hidden = true;
                clearInterval(watchSound);
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

    document.getElementById('choose').addEventListener('change', (event) => {
        if (event.target.files.length > 0) {
            watchReplayFile(event.target.files[0]);
        }
    });

    const dropHint = document.getElementById('drop-hint');
    window.addEventListener('dragover', (event) => {
        event.preventDefault();
        dropHint.hidden = false;
    });
    window.addEventListener('dragleave', () => {
        dropHint.hidden = true;
    });
    window.addEventListener('drop', (event) => {
        event.preventDefault();
        dropHint.hidden = true;
        if (event.dataTransfer.files.length > 0) {
            watchReplayFile(event.dataTransfer.files[0]);
        }
    });

    // Whatever changed is copied out before the page goes away.
    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'hidden') {
            keepUserFiles();
        }
    });

    const script = document.createElement('script');
    script.src = 'yorun.js';
    script.onerror = () => showMessage('Yorun could not load', 'yorun.js is missing from this site.');
    document.body.appendChild(script);
}());
