#include <cstring>

#include "app/Application.h"
#include "input/Input.h"
#include "platform/desktop/MessageBox.h"
#include "platform/events/Message.h"
#include "platform/events/MessageQueue.h"
#include "platform/input/InputLatch.h"
#include "platform/input/InputMethod.h"
#include "platform/input/KeyCodes.h"
#include "platform/input/PadState.h"
#include "platform/video/Window.h"

namespace Corvane {

using namespace platform;

namespace {

constexpr std::uintptr_t kCommandAbout = 104;
constexpr std::uintptr_t kCommandClose = 105;

// The About box: its caption and its one line of text.
void ShowAboutBox(Window* owner) {
    ShowInformationBox(owner != nullptr ? owner->GetId() : 0, "バージョン情報", "Sample Version 1.0");
}

void CopyCut(char* destination, std::size_t size, const char* source) {
    std::strncpy(destination, source, size - 1);
    destination[size - 1] = '\0';
}

}  // namespace

std::intptr_t MainWindowProc(Window* window, const Message& message) {
    if (message.id == WM_COMMAND) {
        if (message.wParam == kCommandAbout) {
            ShowAboutBox(window);
        } else if (message.wParam == kCommandClose) {
            // Closing the window destroys it, and the destruction ends the program.
            Message destroy;
            destroy.id = WM_DESTROY;
            MainWindowProc(window, destroy);
        }
    }
    if (g_pApplication == nullptr) {
        return 0;
    }
    return g_pApplication->WindowProc(window, message);
}

std::intptr_t CApplication::WindowProc(Window*, const Message& message) {
    switch (message.id) {
        case WM_DESTROY:
            GetMessageQueue().PostQuit(0);
            return 0;
        case WM_ACTIVATE:
            if ((message.wParam & 0xFFFF) == WA_INACTIVE) {
                active = false;
                if (g_pInput != nullptr) {
                    g_pInput->Clear();
                }
            } else {
                if (g_pInput != nullptr) {
                    g_pInput->Clear();
                }
                active = true;
            }
            return 0;
        case WM_PAINT:
            if (showBanner) {
                PaintBanner();
            }
            return 0;
        case WM_CHAR: {
            const std::uintptr_t character = message.wParam;
            if (textInput && character >= 0x20 && character <= 0x7E) {
                const std::size_t length = std::strlen(inputText);
                if (length < sizeof(inputText) - 1) {
                    inputText[length] = static_cast<char>(character);
                    inputText[length + 1] = '\0';
                }
            }
            if (character == 27 && (callbacks.escape == nullptr || !callbacks.escape())) {
                GetMessageQueue().PostQuit(0);
            }
            return 0;
        }
        case WM_SYSKEYDOWN:
            // Alt+Enter switches between the window and full screen, at any time; its Enter is not the
            // game's, so it does not also confirm a menu: the input latch holds it back until let go.
            if (message.wParam == DIK_RETURN) {
                if ((message.lParam & kKeyWasDown) == 0 && window != nullptr) {
                    window->SetFullscreen(!window->IsFullscreen());
                }
                GetInputLatch().HoldBack(DIK_RETURN);
            }
            return 0;
        case WM_PADBUTTONDOWN:
            // A pad's Back is the pad's Escape.
            if (message.wParam == PadState::Back && (callbacks.escape == nullptr || !callbacks.escape())) {
                GetMessageQueue().PostQuit(0);
            }
            return 0;
        case WM_IME_STARTCOMPOSITION:
            composing = true;
            return 0;
        case WM_IME_ENDCOMPOSITION:
            compositionText[0] = '\0';
            composing = false;
            return 0;
        case WM_IME_COMPOSITION:
            ReadComposition(message);
            return 0;
        default:
            return 0;
    }
}

void CApplication::ReadComposition(const Message& message) {
    if ((message.lParam & GCS_RESULTSTR) != 0) {
        CopyCut(inputText, sizeof(inputText), message.text);
        compositionText[0] = '\0';
    }
    if ((message.lParam & GCS_COMPSTR) != 0) {
        CopyCut(compositionText, sizeof(compositionText), message.text);
    }
    if ((message.lParam & GCS_COMPATTR) != 0) {
        // The platform reports no attribute bytes for a composition.
        compositionAttributeCount = 0;
    }
}

void CApplication::ResetTextInput(Window*) {
    textInput = false;
    // Switching the platform's text input off keeps any input method from opening over the game.
    savedInputContext = IsTextInputActive() || window != nullptr;
    StopTextInput();
    composing = false;
    std::memset(compositionText, 0, sizeof(compositionText));
    std::memset(inputText, 0, sizeof(inputText));
    compositionAttributeCount = 0;
}

void CApplication::EnableTextInput(bool on) {
    composing = false;
    std::memset(compositionText, 0, sizeof(compositionText));
    std::memset(inputText, 0, sizeof(inputText));
    compositionAttributeCount = 0;
    if (!on) {
        textInput = false;
        StopTextInput();
        return;
    }
    if (savedInputContext && window != nullptr) {
        StartTextInput();
    }
    textInput = true;
}

}  // namespace Corvane
