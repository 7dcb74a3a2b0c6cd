#include "platform/SdlMessageQueue.h"

#include <SDL.h>

#include <cstdio>

#include "platform/GameControllers.h"
#include "platform/InputSources.h"
#include "platform/KeyLatch.h"
#include "platform/Window.h"

namespace platform {

namespace {

void CopyText(char (&destination)[32], const char* source) {
    std::snprintf(destination, sizeof(destination), "%s", source);
}

}  // namespace

bool SdlMessageQueue::Peek(Message& message) {
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

void SdlMessageQueue::ToggleFullscreen(std::uint32_t windowId) {
    Window* window = Window::FromId(windowId);
    if (window != nullptr && !window->SetFullscreen(!window->IsFullscreen())) {
        std::fprintf(stderr, "Yorun: cannot switch full screen: %s\n", SDL_GetError());
    }
}

void SdlMessageQueue::Translate(const SDL_Event& event, Message& message) {
    message = Message{};
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
            // Alt+Enter is the desktop's full-screen switch, taken here at any time; the keyboard source
            // keeps the chord's Enter from the game. The event decides, not the keys' state at the next
            // read: a program that sends the chord may let Alt go before Enter.
            if (event.key.keysym.sym == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT) != 0) {
                HideChordEnter();
                if (event.key.repeat == 0) {
                    ToggleFullscreen(event.key.windowID);
                }
                break;
            }
            if (event.key.repeat == 0) {
                LatchScancode(event.key.keysym.scancode);
            }
            // Escape arrives as its character, auto-repeats included; other keys are read by the input
            // object from the keyboard state, not from messages.
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                message.id = WM_CHAR;
                message.wParam = 27;
            } else {
                message.id = WM_KEYDOWN;
                message.wParam = static_cast<std::uintptr_t>(event.key.keysym.scancode);
            }
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
        case SDL_CONTROLLERDEVICEADDED:
            GameControllers::Attach(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            GameControllers::Detach(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            // Back leaves the game the way Escape does, by the quit message; it is no key of the game's.
            if (event.cbutton.button == SDL_CONTROLLER_BUTTON_BACK) {
                PostQuit(0);
            } else {
                GameControllers::LatchButton(event.cbutton.button);
            }
            break;
        case SDL_MOUSEWHEEL:
            // The mouse reads the wheel once per frame; the queue collects it in between.
            AddMouseWheel(event.wheel.y * 120);
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
