#include "help_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>

namespace kantrix {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kantrix – Benutzerhinweise"));
    resize(880, 740);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    // A reading face and plain colours, not the window's narrow form face.
    QFont reading(QStringLiteral("Liberation Sans"));
    reading.setPointSizeF(10.5);
    m_browser->setFont(reading);
    QPalette colours = m_browser->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Link, QColor(0, 0, 192));
    m_browser->setPalette(colours);

    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    QFile notes(QStringLiteral(":/docs/benutzerhinweise.md"));
    if (notes.open(QIODevice::ReadOnly | QIODevice::Text))
        m_browser->setMarkdown(QString::fromUtf8(notes.readAll()));
    else
        m_browser->setPlainText(QStringLiteral("Die Benutzerhinweise fehlen in diesem Programm."));
    m_browser->document()->setDocumentMargin(16);
    nameHeadings();
    spaceParagraphs();
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

void HelpWindow::spaceParagraphs()
{
    for (QTextFrame* frame : m_browser->document()->rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat format = table->format();
            format.setCellPadding(3);
            format.setCellSpacing(0);
            format.setBorderCollapse(true);
            table->setFormat(format);
        }
    }

    QTextCursor cursor(m_browser->document());
    for (QTextBlock block = m_browser->document()->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.nonBreakableLines() || cursor.currentTable())
            continue;
        format.setBottomMargin(format.headingLevel() ? 4 : 6);
        if (format.headingLevel())
            format.setTopMargin(14);
        cursor.setPosition(block.position());
        if (!cursor.currentTable())
            cursor.setBlockFormat(format);
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
