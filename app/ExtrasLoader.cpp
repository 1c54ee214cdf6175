#include "app/ExtrasLoader.h"

#include "app/ChooseFile.h"
#include "app/extras/Extras.h"
#include "app/MessageBox.h"
#include "app/ModalDialog.h"
#include "messages/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

const ExtrasSeams& extrasSeamsOfTheProgram()
{
    static const ExtrasSeams seams{
        [](QWidget* parent, const QString& text) { msgbox::show(parent, text); }, &modal::exec,
        &filedlg::askFile};
    return seams;
}

#ifdef ZANDREL_EXTRAS_MODULE

const Extras* loadExtras(QWidget* parent)
{
    // <prefix>/lib/zandrel beside <prefix>/bin, in the build tree and an installation alike.
    static QLibrary module(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral("../lib/zandrel/" ZANDREL_EXTRAS_MODULE)));
    static const Extras* extras = nullptr;
    if (!extras) {
        using EntryPoint = const Extras* (*)();
        const auto entry = module.load()
                               ? reinterpret_cast<EntryPoint>(module.resolve("zandrel_extras"))
                               : nullptr;
        extras = entry ? entry() : nullptr;
        if (!extras) {
            msgbox::show(parent, messages::notFullyInstalled(module.fileName()),
                         msgbox::Buttons::Ok, msgbox::Icon::Stop);
        }
    }
    return extras;
}

#else

// Built into the program itself (Windows: a DLL would need the program's seams exported).
const Extras* loadExtras(QWidget*)
{
    return zandrel_extras();
}

#endif
