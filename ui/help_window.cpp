#include "help_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace kantrix {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kantrix – Benutzerhinweise"));
    resize(680, 760);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    QFile notes(QStringLiteral(":/docs/benutzerhinweise.md"));
    if (notes.open(QIODevice::ReadOnly | QIODevice::Text))
        m_browser->setMarkdown(QString::fromUtf8(notes.readAll()));
    else
        m_browser->setPlainText(QStringLiteral("Die Benutzerhinweise fehlen in diesem Programm."));
    m_browser->document()->setDocumentMargin(16);
    nameHeadings();
}

QString HelpWindow::anchorName(const QString& heading)
{
    QString name;
    for (const QChar c : heading.trimmed().toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            name += c;
        else if (c == QLatin1Char(' '))
            name += QLatin1Char('-');
    }
    return name;
}

void HelpWindow::nameHeadings()
{
    QTextDocument* document = m_browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor heading(block);
        heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({anchorName(block.text())});
        heading.mergeCharFormat(anchor);
    }
}

// Links within the notes go to their section; web and mail addresses open outside.
void HelpWindow::followLink(const QUrl& link)
{
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        m_browser->scrollToAnchor(link.fragment());
    else if (link.scheme() == QLatin1String("https") || link.scheme() == QLatin1String("http") ||
             link.scheme() == QLatin1String("mailto"))
        QDesktopServices::openUrl(link);
}

} // namespace kantrix
