// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/color_picker.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform
{

// Qt's own texts (the dialog's buttons and labels) in the user's language,
// loaded when the first dialog needs them rather than at every start.
static void loadQtTranslations()
{
    static const bool loaded = [] {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return QCoreApplication::installTranslator(translator);
        delete translator;
        return false;
    }();
    Q_UNUSED(loaded);
}

bool QtColorPicker::SelectColor(QColor &colour, const QString &prompt, const Preview &preview)
{
    loadQtTranslations();
    QColorDialog dialog(colour);
    dialog.setWindowTitle(prompt);
    // Above the calendar, which floats above every window; a native dialog
    // would ignore the hint.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (preview)
        QObject::connect(&dialog, &QColorDialog::currentColorChanged, &dialog, preview);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = dialog.selectedColor();
    return true;
}

} // namespace platform
