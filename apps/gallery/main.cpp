// Writes a picture of the control gallery form. Usage: vnqb-gallery [file.png]
// (default docs/images/gallery.png); runs headless unless a Qt platform is
// chosen, and shows the form instead when given --show.
#include <QtGlobal>
#include <cstdio>
#include <cstring>
#include <string>

#include "GalleryForm.h"
#include "platform/ui/Application.h"
#include "platform/ui/Grab.h"

int main(int argc, char** argv)
{
    const bool show = argc > 1 && std::strcmp(argv[1], "--show") == 0;
    if (!show && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::string fileName = !show && argc > 1 ? argv[1] : "docs/images/gallery.png";
    TGuiApplication app(argc, argv);
    try {
        TGalleryForm* form = TGalleryForm::Create(Application);
        Application->SetMainForm(form);
        form->Show();
        Application->ProcessMessages();
        if (show)
            return app.exec();
        SaveControlPicture(form, fileName);
        std::printf("%s\n", fileName.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vnqb-gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
