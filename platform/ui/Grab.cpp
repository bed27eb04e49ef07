#include "platform/ui/Grab.h"

#include <QPixmap>
#include <QWidget>

#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"
#include "platform/ui/UiExceptions.h"

QImage GrabControl(TControl* control)
{
    if (control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(control);
        QWidget* widget = windowed->Handle();
        Application->ProcessMessages();
        return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    TWinControl* parent = control->Parent();
    if (!parent)
        return {};
    const QImage whole = GrabControl(parent);
    const TPoint origin = parent->ScreenToClient(control->ClientOrigin());
    const TRect insets = parent->NonClientInsets();
    return whole.copy(origin.X + insets.Left, origin.Y + insets.Top, control->Width(), control->Height());
}

void SaveControlPicture(TControl* control, const std::string& fileName)
{
    if (!GrabControl(control).save(QString::fromStdString(fileName), "PNG"))
        throw EInvalidGraphic("Cannot write file \"" + fileName + "\"");
}
