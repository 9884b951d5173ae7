#pragma once

// The box of one box window, as a table of its four walls (vorne, rechts, hinten, links: the
// height and its measure) with the values beside it (s, r, A, B, the gap, the relief's diameter,
// the die and the press) and its choices (measures, corners, relief, material, rolling
// direction), so that this model is the one place the window's box lives.
//
// As in the profile window a text that is no number stays as typed, marked, and the check says
// why in German; an empty height is no wall. Every change is one command on the undo stack.

#include "box.h"
#include "box_calculation.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QUndoStack;

namespace kantrix {

enum class BoxCommon
{
    Thickness,
    Radius,
    Length, // A
    Width,  // B
    Gap,
    ReliefDiameter,
    Die,
    PressLimit,
};
inline constexpr int boxCommonCount = 8;

struct BoxDraft
{
    box::Box box;
    std::array<std::optional<QString>, boxCommonCount> commonTexts;
    std::array<std::optional<QString>, 4> heightTexts; // by sideIndex
    // The measure of each wall, kept while its height is empty.
    std::array<profile::Measure, 4> measures{};

    // Nothing typed yet: s, r, A and B missing, no walls.
    static BoxDraft empty();
    static BoxDraft of(const box::Box& box);

    bool operator==(const BoxDraft&) const = default;
};

struct BoxCheck
{
    std::optional<box::BoxResult> result;
    QString message;
    std::optional<QModelIndex> cell;
    std::optional<BoxCommon> common;
};

class BoxModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Height,
        Measure,
        ColumnCount
    };

    explicit BoxModel(QObject* parent = nullptr);

    QUndoStack* undoStack() const { return m_undo; }
    const BoxDraft& draft() const { return m_draft; }
    const box::Box& box() const { return m_draft.box; }
    const BoxCheck& check() const { return m_check; }

    void reset(const BoxDraft& draft);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QString commonText(BoxCommon which) const;
    bool isMarked(BoxCommon which) const;
    bool isMarked(const QModelIndex& index) const;
    void setCommonText(BoxCommon which, const QString& text);
    // A choice of a combo box (measure, corners, relief, material, rolling direction) as one
    // change named `description`; with a die the radius follows.
    void choose(const std::function<void(box::Box&)>& change, const QString& description);

    // "Wand vorne, Höhe, Millimeter", as a screen reader names a cell.
    static QString cellName(int row, int column);
    // The least-flange note of a wall, where it is shorter than its bend needs.
    std::optional<QString> shortWallNote(box::Side side) const;

Q_SIGNALS:
    void draftChanged();

private:
    void change(BoxDraft next, const QString& description);
    void apply(const BoxDraft& draft);
    BoxCheck checkOf(const BoxDraft& draft) const;

    BoxDraft m_draft;
    BoxCheck m_check;
    QUndoStack* m_undo;
};

// The section and leg of a wall in the box's result, for its k and its least-flange note.
const profile::ProfileResult* sectionOf(const box::BoxResult& result, box::Side side);
std::size_t legOf(const box::BoxResult& result, box::Side side);

} // namespace kantrix
