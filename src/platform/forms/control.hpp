// The base of every control on a form: a name, a rectangle in the form's client area, and the
// rule that touching a control of an unloaded form loads that form again (hidden).
#pragma once
#include <string>

#include "platform/core/surface.hpp"

namespace platform {

class Form;

class Control {
  public:
    Control(Form& owner, std::string name, int left, int top, int width, int height);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Form& owner() const { return owner_; }

    // Outer rectangle in client pixels; fixed at design time.
    int left() const { return left_; }
    int top() const { return top_; }
    virtual int width() const { return width_; }
    virtual int height() const { return height_; }
    bool Contains(int x, int y) const;

    // Whether the control is drawn and receives the mouse (timers are neither).
    virtual bool IsVisual() const { return true; }
    // A disabled control takes no clicks; the mouse over it counts as over the bare form.
    virtual bool AcceptsInput() const { return true; }
    virtual void Draw(Surface& client) const = 0;
    // Whether Draw paints every pixel of the control's rectangle, so nothing under it shows.
    virtual bool Opaque() const { return false; }
    // Back to the state of an unloaded form (pictures dropped, timers stopped).
    virtual void Release() {}

  protected:
    void Touch() const;    // loads the owner form (hidden) when it is not loaded
    void Changed() const;  // the control must be drawn again, in the rectangle it had
    void Resized() const;  // the whole client area must be composed again

    int width_, height_;

  private:
    Form& owner_;
    std::string name_;
    int left_, top_;
};

}  // namespace platform
