#include "platform/forms/form.hpp"

#include <algorithm>

#include "platform/core/display_geometry.hpp"
#include "platform/forms/app.hpp"

namespace platform {

Form::Form(std::string name, int clientWidth, int clientHeight, BorderStyle border)
    : name_(std::move(name)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      border_(border) {
    App::Get().RegisterForm(this);
}

Form::~Form() {
    App::Get().UnregisterForm(this);
}

void Form::Load() {
    if (loaded_ || loading_)
        return;
    loading_ = true;
    loaded_ = true;
    focusedButton_ = nullptr;
    App::Get().TraceEvent("load", "form", name_);
    Design();
    Invalidate();
    loading_ = false;
    Form_Load();
}

void Form::EnsureLoaded() {
    if (!loaded_ && !unloading_)
        Load();
}

void Form::Show() {
    Load();
    if (!loaded_)
        return;  // the load handler unloaded the form again
    if (!visible_) {
        visible_ = true;
        App::Get().TraceEvent("show", "form", name_);
    }
    App::Get().BringToFront(this);
    Invalidate();
}

void Form::Hide() {
    if (!visible_)
        return;
    visible_ = false;
    App::Get().RemoveFromScreen(this);
}

void Form::Unload() {
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    int cancel = 0;
    try {
        Form_Unload(cancel);
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    if (cancel != 0 || !loaded_)
        return;
    Hide();
    loaded_ = false;
    focusedButton_ = nullptr;
    for (Control* c : controls_) c->Release();
    caption_.clear();
    background_.reset();
    backColour_ = 0;
    App::Get().TraceEvent("unload", "form", name_);
}

void Form::SetCaption(std::string caption) {
    EnsureLoaded();
    // The game sets its title on every tick; the same title again changes nothing on screen.
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    Invalidate();
}

std::string Form::Caption() const {
    const_cast<Form*>(this)->EnsureLoaded();
    return caption_;
}

void Form::SetBackColour(uint32_t colour) {
    EnsureLoaded();
    backColour_ = colour;
    Invalidate();
}

void Form::SetBackgroundPicture(std::shared_ptr<Surface> picture) {
    EnsureLoaded();
    background_ = std::move(picture);
    Invalidate();
}

int Form::OuterWidth() const {
    return border_ == BorderStyle::kNone ? clientWidth_ : clientWidth_ + 2 * kFrameBorder;
}

int Form::OuterHeight() const {
    return border_ == BorderStyle::kNone ? clientHeight_
                                         : clientHeight_ + 2 * kFrameBorder + kCaptionHeight;
}

int Form::ClientLeft() const {
    return left_ + (border_ == BorderStyle::kNone ? 0 : kFrameBorder);
}

int Form::ClientTop() const {
    return top_ + (border_ == BorderStyle::kNone ? 0 : kFrameBorder + kCaptionHeight);
}

void Form::Move(int left, int top) {
    left_ = left;
    top_ = top;
}

void Form::CentreOnScreen() {
    const App& app = App::Get();
    Move(display::CentredEdge(app.ScreenWidth(), OuterWidth()),
         display::CentredEdge(app.ScreenHeight(), OuterHeight()));
}

void Form::InvalidateControl(const Control* control) {
    ++version_;
    if (dirty_)
        return;
    for (const Control* other : controls_) {
        if (other == control || !other->IsVisual())
            continue;
        bool apart = other->left() >= control->left() + control->width() ||
                     control->left() >= other->left() + other->width() ||
                     other->top() >= control->top() + control->height() ||
                     control->top() >= other->top() + other->height();
        if (!apart) {
            dirty_ = true;
            return;
        }
    }
    if (std::find(dirtyControls_.begin(), dirtyControls_.end(), control) == dirtyControls_.end())
        dirtyControls_.push_back(control);
}

const Surface& Form::Client() {
    if (client_.width() != clientWidth_ || client_.height() != clientHeight_) {
        client_.Reset(clientWidth_, clientHeight_);
        dirty_ = true;
    }
    if (dirty_) {
        client_.Fill(backColour_);
        if (background_)
            BitBlt(client_, 0, 0, background_->width(), background_->height(), *background_, 0, 0,
                   Rop::kSrcCopy);
        for (const Control* c : controls_)
            if (c->IsVisual())
                c->Draw(client_);
    } else {
        for (const Control* c : dirtyControls_) {
            if (c->Opaque()) {
                c->Draw(client_);
                continue;
            }
            client_.FillRect(c->left(), c->top(), c->width(), c->height(), backColour_);
            if (background_)
                BitBlt(client_, c->left(), c->top(), c->width(), c->height(), *background_,
                       c->left(), c->top(), Rop::kSrcCopy);
            c->Draw(client_);
        }
    }
    dirty_ = false;
    dirtyControls_.clear();
    return client_;
}

Control* Form::FindControl(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name)
            return c;
    return nullptr;
}

Control* Form::ControlAt(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->IsVisual() && (*it)->Contains(x, y))
            return *it;
    return nullptr;
}

void Form::DeliverClick(Control* control) {
    if (control && control->AcceptsInput())
        Control_Click(*control);
}

void Form::DeliverMouseMove(Control* control) {
    if (control && control->AcceptsInput())
        Control_MouseMove(*control);
    else
        Form_MouseMove();
}

}  // namespace platform
