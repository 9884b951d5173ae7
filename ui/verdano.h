#pragma once

// The one window of Kantrix: three frames of rows on the left (bend data, part lengths, deduction
// values), the sketch and the logo on the right. It binds the rules of the core to the focus
// moving between its input fields and makes each rule all-or-nothing: a rule that faults is
// undone, the fault is named in a message, and the program goes on.

#include "form_description.h"
#include "guarded_form.h"
#include "widget_field_set.h"

#include <QWidget>

#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QMessageBox;

namespace kantrix {

class PictureBox;
class ResultAnnouncer;
class TextField;

class Verdano : public QWidget
{
    Q_OBJECT

public:
    explicit Verdano(QWidget* parent = nullptr);
    ~Verdano() override;

    // The window's title, with the program's version as the window shows it.
    static QString caption();

    const BendForm& form() const { return m_form.form(); }
    const FieldSet& fields() const { return m_fields; }
    TextField* field(Field field) const;
    PictureBox* sketch() const { return m_sketch; }
    PictureBox* logo() const { return m_logo; }

    // Runs the leave rule of the input field that holds the focus, as leaving it would, then its
    // enter rule, for the focus stays there. False if the rule faulted: the last complete state
    // is back and the fault is being reported.
    bool commitEntry();

Q_SIGNALS:
    // Emitted once the message about a fault has been shown, with its text.
    void faultReported(const QString& message);

private:
    QGroupBox* addFrame(const form::FrameDescription& frame);
    void addRow(QGroupBox* frame, const form::RowDescription& row);
    void addPictures();
    PictureBox* addPicture(const form::PictureDescription& description);
    void bindRules();
    void setTabOrder();

    // Runs a rule, all-or-nothing; a fault is reported once the focus has arrived. False if the
    // rule faulted, or could not run while a fault is being reported.
    bool runRule(const std::function<std::optional<FaultKind>()>& rule);
    void reportFault(const QString& message);

    WidgetFieldSet m_fields;
    GuardedForm m_form{m_fields};
    bool m_faultShowing = false;
    PictureBox* m_sketch = nullptr;
    PictureBox* m_logo = nullptr;
    ResultAnnouncer* m_announcer = nullptr;
};

} // namespace kantrix
