// Lifetime of controls: parent and owner kept apart, handles created and
// released, notifications while things are freed, a control freed by its
// own event handler.
#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "UiFixture.h"

namespace {

// Counts its window's creation and destruction.
class TProbeControl : public TCustomControl {
    VN_CLASS(TProbeControl, TCustomControl)

public:
    using TCustomControl::TCustomControl;
    int Created = 0;
    int Destroyed = 0;
    static inline int AllDestroyed = 0;

protected:
    void CreateWnd() override
    {
        inherited::CreateWnd();
        ++Created;
    }
    void DestroyWnd() override
    {
        ++Destroyed;
        ++AllDestroyed;
        inherited::DestroyWnd();
    }
};

// Frees another component when told that a watched one goes away.
class TWatcher : public TComponent {
    VN_CLASS(TWatcher, TComponent)

public:
    using TComponent::TComponent;
    TComponent* Watched = nullptr;
    TComponent* FreeOnRemoval = nullptr;
    int Removals = 0;

    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        if (Operation == opRemove && AComponent == Watched) {
            ++Removals;
            Watched = nullptr;
            FreeAndNil(FreeOnRemoval);
        }
        inherited::Notification(AComponent, Operation);
    }
};

using ControlLifetime = UiFixture;

TEST_F(ControlLifetime, WindowedParentFreesChildrenOwnedByOthers)
{
    TComponent* owner = TComponent::Create(nullptr);
    TProbeControl* panel = TProbeControl::Create(Form);
    panel->SetParent(Form);
    TProbeControl* windowed = TProbeControl::Create(owner);
    windowed->SetParent(panel);
    TGraphicControl* graphic = TGraphicControl::Create(owner);
    graphic->SetParent(panel);
    ASSERT_EQ(owner->ComponentCount(), 2);
    QPointer<QWidget> childWidget = windowed->Handle();
    ASSERT_TRUE(childWidget);

    panel->Free();
    Application->ProcessMessages();

    EXPECT_EQ(owner->ComponentCount(), 0);
    EXPECT_TRUE(childWidget.isNull());
    EXPECT_EQ(Form->ControlCount(), 0);
    owner->Free();
}

TEST_F(ControlLifetime, OwnerFreesControlParentedElsewhere)
{
    TComponent* owner = TComponent::Create(nullptr);
    TProbeControl* panel = TProbeControl::Create(Form);
    panel->SetParent(Form);
    TProbeControl* windowed = TProbeControl::Create(owner);
    windowed->SetParent(panel);
    TGraphicControl* graphic = TGraphicControl::Create(owner);
    graphic->SetParent(panel);
    QPointer<QWidget> childWidget = windowed->Handle();

    owner->Free();
    Application->ProcessMessages();

    EXPECT_EQ(panel->ControlCount(), 0);
    EXPECT_TRUE(childWidget.isNull());
    EXPECT_TRUE(panel->HandleAllocated());
    EXPECT_TRUE(panel->ClientHandle()->findChildren<QWidget*>().isEmpty());
}

TEST_F(ControlLifetime, HandlesFollowTheParentAndRecreateRunsTheOverrides)
{
    TProbeControl* panel = TProbeControl::Create(Form);
    TProbeControl* child = TProbeControl::Create(Form);
    child->SetParent(panel);
    EXPECT_FALSE(child->HandleAllocated());

    panel->SetParent(Form);
    EXPECT_TRUE(panel->HandleAllocated());
    EXPECT_TRUE(child->HandleAllocated());
    EXPECT_EQ(child->Handle()->parentWidget(), panel->ClientHandle());

    panel->RecreateWnd();
    EXPECT_EQ(panel->Destroyed, 1);
    EXPECT_EQ(child->Destroyed, 1);
    EXPECT_EQ(panel->Created, 2);
    EXPECT_EQ(child->Created, 2);

    // Taking the child out of a windowed parent releases its window.
    child->SetParent(nullptr);
    EXPECT_FALSE(child->HandleAllocated());
    child->Free();
}

TEST_F(ControlLifetime, FreeingReleasesWindowsWithoutTheWindowOverrides)
{
    // A DestroyWnd override may use state its own Destroy body has freed
    // already, so freeing releases the windows directly.
    TProbeControl* panel = TProbeControl::Create(Form);
    panel->SetParent(Form);
    TProbeControl* child = TProbeControl::Create(Form);
    child->SetParent(panel);
    ASSERT_TRUE(child->HandleAllocated());
    TWatcher* watcher = TWatcher::Create(nullptr);
    child->FreeNotification(watcher);
    watcher->Watched = child;
    TProbeControl::AllDestroyed = 0;

    panel->Free();

    EXPECT_EQ(TProbeControl::AllDestroyed, 0);
    EXPECT_EQ(watcher->Removals, 1);
    watcher->Free();
}

TEST_F(ControlLifetime, NotificationHandlerMayFreeAnotherControl)
{
    TProbeControl* first = TProbeControl::Create(Form);
    first->SetParent(Form);
    TProbeControl* second = TProbeControl::Create(nullptr);
    second->SetParent(Form);
    TWatcher* watcher = TWatcher::Create(nullptr);
    watcher->Watched = first;
    watcher->FreeOnRemoval = second;
    first->FreeNotification(watcher);

    first->Free();
    Application->ProcessMessages();

    EXPECT_EQ(watcher->Removals, 1);
    EXPECT_EQ(watcher->FreeOnRemoval, nullptr);
    EXPECT_EQ(Form->ControlCount(), 0);
    watcher->Free();
}

TEST_F(ControlLifetime, ControlFreedByItsOwnMouseHandler)
{
    TProbeControl* victim = TProbeControl::Create(Form);
    victim->SetParent(Form);
    victim->SetBounds(10, 10, 50, 50);
    victim->OnMouseDown = [](TObject* sender, TMouseButton, TShiftState, int, int) { sender->Free(); };
    QPointer<QWidget> widget = victim->Handle();

    Press(victim, {5, 5});
    // The widget that was dispatching survives until the event loop runs.
    EXPECT_FALSE(widget.isNull());
    EXPECT_EQ(Form->ControlCount(), 0);
    Application->ProcessMessages();
    EXPECT_TRUE(widget.isNull());
}

TEST_F(ControlLifetime, WindowlessControlFreedByItsOwnHandlers)
{
    // Freed on button up, on a double click, and by its click.
    struct Case {
        const char* what;
        std::function<void(TGraphicControl*)> arm;
        bool doubleClick;
    };
    const Case cases[] = {
        {"mouse up", [](TGraphicControl* c) { c->OnMouseUp = [](TObject* s, TMouseButton, TShiftState, int, int) { s->Free(); }; }, false},
        {"click", [](TGraphicControl* c) { c->OnClick = [](TObject* s) { s->Free(); }; }, false},
        {"double click", [](TGraphicControl* c) { c->OnDblClick = [](TObject* s) { s->Free(); }; }, true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        TGraphicControl* victim = TGraphicControl::Create(nullptr);
        victim->SetBounds(10, 10, 40, 40);
        victim->SetParent(Form);
        test.arm(victim);
        if (test.doubleClick)
            DoubleClick(Form, {20, 20});
        else
            Click(Form, {20, 20});
        EXPECT_EQ(Form->ControlCount(), 0);
    }
}

TEST_F(ControlLifetime, ControlFreedByItsOwnKeyHandlerWhileFocused)
{
    TProbeControl* victim = TProbeControl::Create(Form);
    victim->SetParent(Form);
    victim->SetTabStop(true);
    victim->OnKeyDown = [](TObject* sender, uint16_t& key, TShiftState shift) {
        if (key == VK_DELETE && shift.Empty())
            sender->Free();
    };
    victim->SetFocus();
    QPointer<QWidget> client = victim->ClientHandle();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(client, &press);
    EXPECT_EQ(Form->ControlCount(), 0);
    Application->ProcessMessages();
    EXPECT_TRUE(client.isNull());
}

TEST_F(ControlLifetime, ControlFreedByItsOwnPostedMessage)
{
    TProbeControl* victim = TProbeControl::Create(Form);
    victim->SetParent(Form);
    PostMessage(victim, CM_RELEASE);
    EXPECT_EQ(Form->ControlCount(), 1);
    Application->ProcessMessages();
    EXPECT_EQ(Form->ControlCount(), 0);
}

} // namespace
