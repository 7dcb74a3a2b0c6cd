#include "platform/events/SdlMessageQueue.h"

#include <SDL.h>

#include <cstdio>

#include "platform/input/PadState.h"
#include "platform/input/SdlKeyCodes.h"
#include "platform/input/SdlKeyboardLayout.h"
#include "platform/input/SdlPads.h"
#include "platform/system/HandedFiles.h"

namespace platform {

namespace {

void CopyText(char (&destination)[32], const char* source) {
    std::snprintf(destination, sizeof(destination), "%s", source);
}

}  // namespace

bool SdlMessageQueue::Take(Message& message) {
    if (posted.Take(message) || pending.Take(message)) {
        return true;
    }
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) {
        return false;
    }
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) {
        return false;
    }
    Translate(event, message);
    return true;
}

void SdlMessageQueue::Post(const Message& message) {
    posted.Put(message);
}

void SdlMessageQueue::ShowPointer(bool show) {
    if (pointerHidden == !show || SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return;
    }
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
    pointerHidden = !show;
}

void SdlMessageQueue::Translate(const SDL_Event& event, Message& message) {
    message = Message{};
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERAXISMOTION:
            ShowPointer(false);
            break;
        case SDL_MOUSEMOTION:
            ShowPointer(true);
            break;
        default:
            break;
    }
    switch (event.type) {
        case SDL_QUIT:
            message.id = WM_QUIT;
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    message.id = WM_DESTROY;
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    message.id = WM_ACTIVATE;
                    message.wParam = WA_ACTIVE;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    message.id = WM_ACTIVATE;
                    message.wParam = WA_INACTIVE;
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                    message.id = WM_PAINT;
                    break;
                default:
                    break;
            }
            break;
        case SDL_KEYDOWN:
            // Every key-down is a key message; Escape's is followed by its character, auto-repeats
            // included, with or without Alt, which is what ends the program. Other keys are read by the
            // input object from the keyboard state (a press between two frames through the input latch);
            // their messages are also for the window procedure's shortcuts (Alt+Enter arrives as a system
            // key).
            message.id = (event.key.keysym.mod & KMOD_ALT) != 0 ? WM_SYSKEYDOWN : WM_KEYDOWN;
            message.wParam = KeyCodeOf(event.key.keysym.scancode);
            message.lParam = event.key.repeat != 0 ? kKeyWasDown : 0;
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                Message character;
                character.id = WM_CHAR;
                character.wParam = 27;
                character.lParam = message.lParam;
                pending.Put(character);
            }
            break;
        case SDL_KEYMAPCHANGED:
            GetSdlKeyboardLayout().Forget();
            break;
        case SDL_TEXTEDITING:
            if (event.edit.text[0] == '\0') {
                composing = false;
                message.id = WM_IME_ENDCOMPOSITION;
                break;
            }
            {
                Message composition;
                composition.id = WM_IME_COMPOSITION;
                composition.lParam = GCS_COMPSTR;
                CopyText(composition.text, event.edit.text);
                if (composing) {
                    message = composition;
                } else {
                    composing = true;
                    message.id = WM_IME_STARTCOMPOSITION;
                    pending.Put(composition);
                }
            }
            break;
        case SDL_TEXTINPUT: {
            const unsigned char first = static_cast<unsigned char>(event.text.text[0]);
            if (first >= 0x20 && first <= 0x7E && event.text.text[1] == '\0') {
                message.id = WM_CHAR;
                message.wParam = first;
            } else {
                // Anything else is the result of a composition.
                composing = false;
                message.id = WM_IME_COMPOSITION;
                message.lParam = GCS_RESULTSTR;
                CopyText(message.text, event.text.text);
            }
            break;
        }
        case SDL_CONTROLLERBUTTONDOWN: {
            const PadState::Button button = SdlPads::ButtonOf(event.cbutton.button);
            if (button != PadState::ButtonCount) {
                message.id = WM_PADBUTTONDOWN;
                message.wParam = static_cast<std::uintptr_t>(button);
                message.lParam = event.cbutton.which;
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) {
                message.id = WM_LBUTTONDOWN;
            }
            break;
        case SDL_MOUSEWHEEL:
            message.id = WM_MOUSEWHEEL;
            message.lParam = event.wheel.y * 120;
            break;
        case SDL_DROPFILE:
            // A file dropped on the window waits for the game to take it; the message itself is none.
            if (event.drop.file != nullptr) {
                HandFile(event.drop.file);
                SDL_free(event.drop.file);
            }
            break;
        default:
            break;
    }
}

namespace {
SdlMessageQueue sdlQueue;
MessageQueue* currentQueue = &sdlQueue;
}  // namespace

MessageQueue& GetMessageQueue() {
    return *currentQueue;
}

void SetMessageQueue(MessageQueue* queue) {
    currentQueue = queue != nullptr ? queue : &sdlQueue;
}

}  // namespace platform
