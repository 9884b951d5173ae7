#pragma once

// The user notes in a window of their own, opened by F1. The text is docs/benutzerhinweise.md,
// built into the program and rendered as Markdown; its headings take the anchor names a Markdown
// host gives them, so the file's own links to its sections work here as they do on the web.

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace kantrix {

class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* browser() const { return m_browser; }

    // The anchor name of a heading: lower case, letters, digits, "-" and "_" kept, blanks to "-".
    static QString anchorName(const QString& heading);

private:
    void followLink(const QUrl& link);
    void nameHeadings();
    void spaceParagraphs();

    QTextBrowser* m_browser;
};

} // namespace kantrix
