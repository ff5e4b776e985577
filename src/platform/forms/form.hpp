// Forms: windows of the game that are loaded, shown, hidden and unloaded, with event handlers
// named after the control and the event.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/core/surface.hpp"
#include "platform/forms/control.hpp"

namespace platform {

enum class BorderStyle { kNone, kFixedSingle };

// Window frame of a fixed single border with a title bar, in pixels.
constexpr int kFrameBorder = 3;
constexpr int kCaptionHeight = 22;

class Form {
  public:
    Form(std::string name, int clientWidth, int clientHeight, BorderStyle border);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }

    // Loading a loaded form does nothing; Show loads first when needed.
    void Load();
    void Show();
    void Hide();
    void Unload();
    // The title bar's close box.
    void CloseBox() { Unload(); }
    // The loading rule shared with the controls.
    void EnsureLoaded();

    void SetCaption(std::string caption);
    std::string Caption() const;
    const std::string& captionText() const { return caption_; }

    void SetBackColour(uint32_t colour);
    void SetBackgroundPicture(std::shared_ptr<Surface> picture);

    BorderStyle border() const { return border_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    int OuterWidth() const;
    int OuterHeight() const;
    int left() const { return left_; }
    int top() const { return top_; }
    int ClientLeft() const;  // screen position of the client area
    int ClientTop() const;
    void Move(int left, int top);
    // Centres the outer rectangle on the screen (fractional division, in twips).
    void CentreOnScreen();
    void Refresh() { Invalidate(); }

    // The client area as drawn: background, then the controls in creation order.
    const Surface& Client();
    void Invalidate() {
        dirty_ = true;
        ++version_;
    }
    // Only this control changed: the next composition redraws just its rectangle when no
    // other control overlaps it.
    void InvalidateControl(const Control* control);
    uint64_t version() const { return version_; }

    const std::vector<Control*>& controls() const { return controls_; }
    Control* FindControl(const std::string& name) const;
    // The topmost visual control at a client point, or nullptr for the bare form.
    Control* ControlAt(int x, int y) const;

    // Input delivered by the application.
    void DeliverKeyDown(int keyCode) { Form_KeyDown(keyCode, 0); }
    void DeliverKeyUp(int keyCode) { Form_KeyUp(keyCode, 0); }
    void DeliverClick(Control* control);
    void DeliverMouseMove(Control* control);

    void AddControl(Control* control) { controls_.push_back(control); }

    // The picture button that keyboard and pad navigation has reached (none until the first
    // navigation key, and none again after a mouse move or a reload).
    Control* focusedButton() const { return focusedButton_; }
    void SetFocusedButton(Control* button) { focusedButton_ = button; }
    // The button that Escape presses, if the screen has one.
    Control* cancelButton() const { return cancelButton_; }
    void SetCancelButton(Control* button) { cancelButton_ = button; }

  protected:
    // Design-time properties of the form and its controls, set as the form loads.
    virtual void Design() {}
    virtual void Form_Load() {}
    virtual void Form_Unload(int& /*cancel*/) {}
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_MouseMove() {}
    virtual void Control_Click(Control& /*control*/) {}
    virtual void Control_MouseMove(Control& /*control*/) {}

  private:
    std::string name_;
    int clientWidth_, clientHeight_;
    BorderStyle border_;
    std::string caption_;
    uint32_t backColour_ = 0x000000;
    std::shared_ptr<Surface> background_;
    int left_ = 0, top_ = 0;
    bool loaded_ = false, loading_ = false, unloading_ = false, visible_ = false;
    bool dirty_ = true;
    std::vector<const Control*> dirtyControls_;
    uint64_t version_ = 0;
    Surface client_;
    std::vector<Control*> controls_;
    Control* focusedButton_ = nullptr;
    Control* cancelButton_ = nullptr;
};

}  // namespace platform
