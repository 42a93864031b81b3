#include "shell/AboutDlg.h"

#include "resources/AppIcon.h"
#include "ui/DialogTemplate.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {
// Template 235 x 55 dialog units, at two pixels per unit like every window.
constexpr QSize kTemplate(235, 55);
constexpr QSize kDesign(470, 110);
constexpr int kIdOk = 1;
constexpr int kIdVersion = 0xffff;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Shell", "About Dorvane"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kDesign);
    setModal(true);

    DialogTemplate dialog(this, kTemplate, kDesign);
    m_version = qobject_cast<QLabel*>(
        dialog.Create({kIdVersion, ControlKind::Static,
                       QT_TRANSLATE_NOOP("Shell", "Dorvane Version 5.4"), 40, 10, 119, 8}));
    m_ok = qobject_cast<QPushButton*>(dialog.Create(
        {kIdOk, ControlKind::PushButton, QT_TRANSLATE_NOOP("Shell", "OK"), 178, 7, 50, 14}));
    m_ok->setDefault(true);
    m_ok->setFocusPolicy(Qt::StrongFocus);
    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    // The icon stands at (11, 17) in the size of a standard icon.
    m_icon = new QLabel(this);
    const QRect iconRect = dialog.ToPixels(11, 17, 16, 16);
    m_icon->setGeometry(iconRect);
    m_icon->setPixmap(DorvaneIconPixmap(iconRect.width()));
}
