#include "shell/about_dialogs.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/hyperlink.h"
#include "shell/shell_icons.h"

namespace kestrune {
namespace {

// The icon at the left, `content` beside it, OK below.
void LayOut(QDialog& dialog, QVBoxLayout* content) {
  auto* icon = new QLabel(&dialog);
  icon->setPixmap(ApplicationIcon().pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);
  auto* ok = new QPushButton(QCoreApplication::translate("AboutDialog", "OK"), &dialog);
  ok->setObjectName("ok");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addLayout(content, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

Hyperlink* SiteLink(const QString& text, UserPrompts& prompts, QWidget* parent) {
  auto* link = new Hyperlink(text, QUrl(kMakerSite), prompts, parent);
  link->setObjectName("siteLink");
  return link;
}

}  // namespace

AboutDialog::AboutDialog(UserPrompts& prompts, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Kestrune"));
  auto* content = new QVBoxLayout;
  content->addWidget(new QLabel(tr("Kestrune Version 1.0"), this));
  content->addWidget(new QLabel(tr("A household expense book. Free to use and to share."), this));
  content->addWidget(SiteLink(tr("Visit the Kestrune web site"), prompts, this));
  LayOut(*this, content);
}

HelpDialog::HelpDialog(UserPrompts& prompts, const QUrl& help_page, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Help"));
  auto* content = new QVBoxLayout;
  auto* help = new Hyperlink(tr("View Kestrune help file"), help_page, prompts, this);
  help->setObjectName("helpLink");
  content->addWidget(help);
  content->addWidget(
      new QLabel(tr("More information about Kestrune is on the Kestrune web site."), this));
  content->addWidget(SiteLink(tr("Visit the Kestrune web site"), prompts, this));
  LayOut(*this, content);
}

}  // namespace kestrune
