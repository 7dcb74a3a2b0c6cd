// The touch controls around the game, for a phone or a tablet: an aiming area that steers the cursor as a
// stick does, and buttons for the four colours, the refill, the arrow speed and pause. They take the same
// actions the keys do (the game is told which control is held, by its action's name), so a game played by
// touch records and replays as any other. They appear when the page is touched, and give way to a key or a
// pad; the classic game has none.
'use strict';

(function () {
    if (new URLSearchParams(location.search).has('classic')) {
        return;
    }
    const aim = document.getElementById('aim');
    const fire = document.getElementById('fire');
    const origin = document.getElementById('aim-origin');
    const thumb = document.getElementById('aim-thumb');

    // How far the thumb moves from where it landed before the cursor moves, and before it moves fast.
    const DEAD_ZONE = 12;
    const FAST_PULL = 64;
    // Beyond this angle from an axis a pull moves along both.
    const DIAGONAL = Math.tan((3 * Math.PI) / 16);

    // The controls held, by action name; each told to the game when it changes.
    const held = new Set();
    function ready() {
        return window.Module && window.Module.calledRun && typeof window.Module._yorun_touch_control === 'function' &&
            typeof window.Module.callGame === 'function';
    }
    function hold(action, down) {
        if (down === held.has(action)) {
            return;
        }
        if (down) {
            held.add(action);
        } else {
            held.delete(action);
        }
        if (ready()) {
            window.Module.callGame('yorun_touch_control', action, down ? 1 : 0);
        }
    }
    function releaseAll() {
        held.clear();
        if (ready()) {
            window.Module.callGame('yorun_touch_release_all');
        }
        endAim();
        for (const button of fire.querySelectorAll('button.held')) {
            button.classList.remove('held');
        }
    }

    // The picture as large as the controls leave room for, at its shape: beside them in landscape, above
    // them in portrait, where they keep at least this much of the height.
    const SIDE = 160;
    const PORTRAIT_CONTROLS = 300;
    const stage = document.getElementById('stage');
    function layOut() {
        if (!shown) {
            return;
        }
        const style = getComputedStyle(stage);
        const width = stage.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
        const height = stage.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
        const portrait = window.matchMedia('(orientation: portrait)').matches;
        const picture = portrait ? Math.min(width, ((height - PORTRAIT_CONTROLS) * 4) / 3)
            : Math.min(width - 2 * SIDE, (height * 4) / 3);
        stage.style.setProperty('--picture-width', Math.max(160, Math.floor(picture)) + 'px');
    }
    window.addEventListener('resize', layOut);

    // The game is told too, so that its screens name what to touch rather than which key to press; a
    // game still starting is told once it runs.
    function tellShown() {
        if (ready()) {
            window.Module.callGame('yorun_touch_shown', shown ? 1 : 0);
        } else {
            setTimeout(tellShown, 250);
        }
    }

    // The hand the player aims with, from the game's settings (the options screen changes it while the
    // controls show).
    function followHand() {
        if (shown && ready()) {
            document.body.classList.toggle('left-handed', window.Module._yorun_touch_left_handed() === 1);
        }
    }
    setInterval(followHand, 300);

    let shown = false;
    function show(on) {
        if (on === shown) {
            return;
        }
        shown = on;
        tellShown();
        followHand();
        document.body.classList.toggle('touch', on);
        aim.hidden = !on;
        fire.hidden = !on;
        if (!on) {
            releaseAll();
        }
        layOut();
    }

    // A touch anywhere brings the controls; a key or a pad's button sends them away. They come once the
    // finger is lifted, after the game has had the touch: the picture moves to make room for them, and a
    // tap on a menu button is still where the player saw it.
    window.addEventListener('touchend', () => show(true), {passive: true});
    window.addEventListener('keydown', (event) => {
        if (event.isTrusted) {
            show(false);
        }
    }, {capture: true, passive: true});
    function watchPads() {
        if (shown && navigator.getGamepads) {
            for (const pad of navigator.getGamepads()) {
                if (pad && pad.buttons.some((button) => button.pressed)) {
                    show(false);
                }
            }
        }
        requestAnimationFrame(watchPads);
    }
    window.addEventListener('gamepadconnected', () => requestAnimationFrame(watchPads), {once: true});

    // The aiming area: the direction from where the thumb landed to where it is now, as the cursor keys,
    // and a farther pull aims fast as Shift does.
    let aimPointer = null;
    let landed = null;
    function steer(x, y) {
        const dx = x - landed.x;
        const dy = y - landed.y;
        const pull = Math.hypot(dx, dy);
        const moving = pull > DEAD_ZONE;
        const across = moving && Math.abs(dx) > Math.abs(dy) * DIAGONAL;
        const along = moving && Math.abs(dy) > Math.abs(dx) * DIAGONAL;
        hold('aim_left', across && dx < 0);
        hold('aim_right', across && dx > 0);
        hold('aim_up', along && dy < 0);
        hold('aim_down', along && dy > 0);
        hold('aim_fast', pull > FAST_PULL);
        const box = aim.getBoundingClientRect();
        const reach = Math.min(pull, FAST_PULL * 1.5);
        const angle = Math.atan2(dy, dx);
        thumb.style.left = landed.x - box.left + Math.cos(angle) * reach + 'px';
        thumb.style.top = landed.y - box.top + Math.sin(angle) * reach + 'px';
    }
    function endAim() {
        aimPointer = null;
        landed = null;
        origin.hidden = true;
        thumb.hidden = true;
        for (const action of ['aim_left', 'aim_right', 'aim_up', 'aim_down', 'aim_fast']) {
            hold(action, false);
        }
    }
    aim.addEventListener('pointerdown', (event) => {
        if (aimPointer !== null) {
            return;
        }
        event.preventDefault();
        aimPointer = event.pointerId;
        aim.setPointerCapture(event.pointerId);
        landed = {x: event.clientX, y: event.clientY};
        const box = aim.getBoundingClientRect();
        origin.style.left = event.clientX - box.left + 'px';
        origin.style.top = event.clientY - box.top + 'px';
        origin.hidden = false;
        thumb.hidden = false;
        steer(event.clientX, event.clientY);
    });
    aim.addEventListener('pointermove', (event) => {
        if (event.pointerId === aimPointer) {
            steer(event.clientX, event.clientY);
        }
    });
    for (const kind of ['pointerup', 'pointercancel', 'lostpointercapture']) {
        aim.addEventListener(kind, (event) => {
            if (event.pointerId === aimPointer) {
                endAim();
            }
        });
    }

    // The buttons: held while a finger is on them, each finger on its own, so that one thumb fires while
    // the other aims.
    for (const button of fire.querySelectorAll('button[data-action]')) {
        const action = button.dataset.action;
        const fingers = new Set();
        const lift = (event) => {
            if (fingers.delete(event.pointerId) && fingers.size === 0) {
                button.classList.remove('held');
                hold(action, false);
            }
        };
        button.addEventListener('pointerdown', (event) => {
            event.preventDefault();
            button.setPointerCapture(event.pointerId);
            fingers.add(event.pointerId);
            button.classList.add('held');
            hold(action, true);
        });
        for (const kind of ['pointerup', 'pointercancel', 'lostpointercapture']) {
            button.addEventListener(kind, lift);
        }
        // A long press opens no menu, and a tap is no click the page acts on.
        button.addEventListener('contextmenu', (event) => event.preventDefault());
    }

    // A page put away lets go of what it held: its fingers' ends would never come.
    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState !== 'visible') {
            releaseAll();
        }
    });
}());
