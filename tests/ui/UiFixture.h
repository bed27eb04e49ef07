#pragma once
// A shown form to put controls on, the collected error reports, and helpers
// that send mouse input to a control at its client coordinates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

class UiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Left/right button press, move and release at client coordinates.
    static void Press(TWinControl* control, TPoint p, Qt::MouseButton button = Qt::LeftButton);
    static void Move(TWinControl* control, TPoint p, Qt::MouseButtons buttons = Qt::LeftButton);
    static void Release(TWinControl* control, TPoint p, Qt::MouseButton button = Qt::LeftButton);
    static void Click(TWinControl* control, TPoint p, Qt::MouseButton button = Qt::LeftButton);
    static void DoubleClick(TWinControl* control, TPoint p);
    static void Key(TWinControl* control, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString());

    // A control of class T owned by the form, placed at the bounds on Parent.
    template <class T>
    T* Place(TWinControl* Parent, int Left, int Top, int Width, int Height)
    {
        T* control = T::Create(Form);
        control->SetBounds(Left, Top, Width, Height);
        control->SetParent(Parent);
        return control;
    }

    TForm* Form = nullptr;
    std::vector<std::string> Errors;
};
