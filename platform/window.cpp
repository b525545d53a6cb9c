// The real screen: one SDL window, full-screen desktop, showing the 640 × 480
// canvas letterboxed. The user's display mode is never changed; leaving full
// screen is the restore.
#include <SDL.h>

#include <algorithm>
#include <stdexcept>

#include "platform/backend.h"
#include "platform/changed_zone.h"
#include "platform/geometry.h"
#include "platform/input_wait.h"
#include "platform/trace.h"
#include "platform/whole_screen.h"

namespace plat {

namespace {

int bouton(Uint8 sdl_button) {
    switch (sdl_button) {
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 4;
        default: return 1;
    }
}

class WindowBackend : public Backend {
public:
    WindowBackend() {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0)
            throw std::runtime_error(std::string("Impossible d'ouvrir l'écran : ") + SDL_GetError());
        window_ = SDL_CreateWindow("Lexirama", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kLargeurEcran,
                                   kHauteurEcran,
                                   SDL_WINDOW_HIDDEN | (window_fills_screen() ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
        if (!window_) throw std::runtime_error(std::string("Impossible d'ouvrir la fenêtre : ") + SDL_GetError());
        // The software renderer straight onto the window: the screen changes a
        // few times a second at most, and OpenGL (even only probed, as SDL does
        // to decide how to show a window's pixels) costs a third of a second
        // and tens of megabytes at start on a machine without a graphics card.
        // The environment may still choose otherwise (SDL_RENDER_DRIVER…).
        SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_DEFAULT);
        SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
        renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (!renderer_) throw std::runtime_error(SDL_GetError());
        SDL_RenderSetLogicalSize(renderer_, kLargeurEcran, kHauteurEcran);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kLargeurEcran,
                                     kHauteurEcran);
    }
    ~WindowBackend() override {
        SDL_DestroyTexture(texture_);
        SDL_DestroyRenderer(renderer_);
        SDL_DestroyWindow(window_);
    }

    std::uint32_t tick() override { return SDL_GetTicks(); }

    std::optional<InputEvent> poll() override {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            if (auto converted = convert(e)) return converted;
        }
        return std::nullopt;
    }

    void sleep_until(std::uint32_t deadline, bool wake_on_input) override {
        for (;;) {
            std::uint32_t now = SDL_GetTicks();
            if (now >= deadline) return;
            std::uint32_t reste = deadline - now;
            if (!wake_on_input) {
                SDL_Delay(reste);
                continue;
            }
            // One sleep to the deadline: waking a millisecond late is not seen,
            // waking in 1 ms steps before it costs more than the rest of idling.
            if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) return;
            if (wait_for_input(reste)) return;
        }
    }

    bool displays() const override { return true; }

    void present(const Picture& canvas, const Rect& changed) override {
        map_on_first_frame();
        std::optional<Rect> change = changed_.since_last(canvas, changed);
        if (!change) return;
        const Rect zone = *change;
        if (zone == Rect{0, 0, kLargeurEcran, kHauteurEcran} || !keeps_its_pixels()) {
            send_whole(canvas.surface());
            SDL_RenderPresent(renderer_);
            return;
        }
        send_part(canvas.surface(), SDL_Rect{zone.x, zone.y, zone.w, zone.h});
        show_part(zone);
    }

    void alert(const std::string& message_utf8) override {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "Lexirama", message_utf8.c_str(), window_);
    }

    void show_cursor(bool visible) override { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

    void warp_pointer(int x, int y) override {
        int wx = 0, wy = 0;
        SDL_RenderLogicalToWindow(renderer_, static_cast<float>(x), static_cast<float>(y), &wx, &wy);
        SDL_WarpMouseInWindow(window_, wx, wy);
    }

    void set_fullscreen(bool fullscreen) override {
        if (!window_fills_screen()) return;
        changed_.forget();
        if (fullscreen) {
            SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
            return;
        }
        SDL_SetWindowFullscreen(window_, 0);
        int k = whole_scale();
        SDL_SetWindowSize(window_, kLargeurEcran * k, kHauteurEcran * k);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }

private:
    // The window stays hidden until it has a picture to show: mapped earlier,
    // it would stand empty while the start-up loads.
    void map_on_first_frame() {
        if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_HIDDEN)) return;
        SDL_ShowWindow(window_);
        trace("fenetre-montree", "Lexirama");
    }

    void send_whole(const SDL_Surface* s) {
        SDL_UpdateTexture(texture_, nullptr, s->pixels, s->pitch);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    }

    // The rest of the window keeps what it showed: only the zone is scaled.
    void send_part(const SDL_Surface* s, const SDL_Rect& zone) {
        const auto* debut = static_cast<const Uint8*>(s->pixels) + zone.y * s->pitch + zone.x * 4;
        SDL_UpdateTexture(texture_, &zone, debut, s->pitch);
        SDL_RenderCopy(renderer_, texture_, &zone, &zone);
    }

    // The software renderer draws into the window's surface; only the part
    // that changed goes on to the display, not the whole window.
    void show_part(const Rect& zone) {
        SDL_RenderFlush(renderer_);
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        SDL_RenderLogicalToWindow(renderer_, static_cast<float>(zone.x), static_cast<float>(zone.y), &x0, &y0);
        SDL_RenderLogicalToWindow(renderer_, static_cast<float>(zone.x + zone.w), static_cast<float>(zone.y + zone.h),
                                  &x1, &y1);
        constexpr int kArrondi = 1;  // the scaled zone's edges may fall between two pixels
        int w = 0, h = 0;
        SDL_GetWindowSize(window_, &w, &h);
        SDL_Rect fenetre{std::max(x0 - kArrondi, 0), std::max(y0 - kArrondi, 0), 0, 0};
        fenetre.w = std::min(x1 + kArrondi, w) - fenetre.x;
        fenetre.h = std::min(y1 + kArrondi, h) - fenetre.y;
        if (SDL_UpdateWindowSurfaceRects(window_, &fenetre, 1) != 0) SDL_RenderPresent(renderer_);
    }

    // The software renderer draws into the window's own pixels, which stay
    // between frames; a renderer the environment chose may start each frame
    // afresh.
    bool keeps_its_pixels() const {
        SDL_RendererInfo info;
        return SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
    }

    // The largest whole enlargement of 640 × 480 that fits the desktop.
    int whole_scale() const {
        SDL_Rect usable{0, 0, kLargeurEcran, kHauteurEcran};
        SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable);
        int k = std::min(usable.w / kLargeurEcran, usable.h / kHauteurEcran);
        return std::max(k, 1);
    }

    // F11 and Alt+Enter switch between full screen and a window; the game
    // itself is played with the mouse only.
    bool is_fullscreen_toggle(const SDL_KeyboardEvent& key) const {
        if (key.repeat) return false;
        if (key.keysym.sym == SDLK_F11) return true;
        return (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT);
    }

    void toggle_fullscreen() {
        bool now = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
        set_fullscreen(!now);
    }

    std::optional<InputEvent> convert(const SDL_Event& e) {
        switch (e.type) {
            case SDL_KEYDOWN:
                if (is_fullscreen_toggle(e.key)) toggle_fullscreen();
                return std::nullopt;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    changed_.forget();
                    return InputEvent{InputEvent::Kind::expose};
                }
                if (e.window.event == SDL_WINDOWEVENT_LEAVE) return InputEvent{InputEvent::Kind::pointer_left};
                return std::nullopt;
            case SDL_QUIT: return InputEvent{InputEvent::Kind::quit};
            case SDL_MOUSEMOTION: return InputEvent{InputEvent::Kind::mouse_move, e.motion.x, e.motion.y, 0};
            case SDL_MOUSEBUTTONDOWN:
                return InputEvent{InputEvent::Kind::mouse_down, e.button.x, e.button.y, bouton(e.button.button)};
            case SDL_MOUSEBUTTONUP:
                return InputEvent{InputEvent::Kind::mouse_up, e.button.x, e.button.y, bouton(e.button.button)};
            default: return std::nullopt;
        }
    }

    SDL_Window* window_ = nullptr;
    ChangedZone changed_;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
};

}  // namespace

std::unique_ptr<Backend> make_window_backend() { return std::make_unique<WindowBackend>(); }

}  // namespace plat
