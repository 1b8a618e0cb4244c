#include "ui/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Artwork.h"
#include "ui/Controls.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Teebrook"));
    setWindowIcon(teebrookIcon());

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(flagPixmap(64));
    auto* versionLabel = new QLabel(QStringLiteral("Teebrook Version 1.0"), this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));

    auto* content = new QHBoxLayout;
    content->setSpacing(16);
    content->addWidget(iconLabel, 0, Qt::AlignTop);
    content->addWidget(versionLabel, 1, Qt::AlignVCenter);

    QPushButton* okButton = nullptr;
    auto* buttons = new QHBoxLayout;
    addButtons(buttons, this,
               {Stretch, {QStringLiteral("OK"), QStringLiteral("okButton"), &okButton, EnterKey::Default}});
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Sized before the window exists, so showing it changes no size hints.
    layout->activate();
}
