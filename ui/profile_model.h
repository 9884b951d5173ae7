#pragma once

// The profile of one profile window, as a table: a row per leg with its length and measure, and
// the bend that follows it (the last row has none) with its angle, own radius and direction. The
// common values s, r and W sit beside the table and are edited here too, so that this model is
// the one place the window's profile lives.
//
// A text that is no number stays as typed (the profile keeps its last number there), so nothing
// the user typed is lost; such a cell, and the value a refusal of the library names, is marked,
// and the check says why in German. Every change is one command on the undo stack.

#include "profile.h"
#include "profile_calculation.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QUndoStack;

namespace kantrix {

// The values beside the table typed as text: s, r and W, and at the press brake the die opening V
// (empty: none) and the press limit in kN (empty: none).
enum class ProfileCommon
{
    Thickness,
    Radius,
    Width,
    Die,
    PressLimit,
};
inline constexpr int profileCommonCount = 5;

// The profile with the texts of the values that are no number yet ("" for one still missing).
struct ProfileDraft
{
    profile::Profile profile;
    std::array<std::optional<QString>, profileCommonCount> commonTexts;
    std::vector<std::optional<QString>> lengthTexts; // per leg
    std::vector<std::optional<QString>> angleTexts;  // per bend
    std::vector<std::optional<QString>> radiusTexts; // per bend

    // Two empty legs with a right angle between them: the start of a profile typed from nothing.
    static ProfileDraft empty();
    // Texts that are all numbers, for a profile read from a file or made from a bend.
    static ProfileDraft of(const profile::Profile& profile);

    bool operator==(const ProfileDraft&) const = default;
};

// What the draft gives: the result when the library takes it, otherwise why not and where.
struct ProfileCheck
{
    std::optional<profile::ProfileResult> result;
    QString message; // German, empty with a result
    // The place the message is about: a cell, or one of the common values.
    std::optional<QModelIndex> cell;
    std::optional<ProfileCommon> common;
};

class ProfileModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Length,
        Measure,
        Angle,
        BendRadius,
        Direction,
        ColumnCount
    };

    explicit ProfileModel(QObject* parent = nullptr);

    QUndoStack* undoStack() const { return m_undo; }
    const ProfileDraft& draft() const { return m_draft; }
    const profile::Profile& profile() const { return m_draft.profile; }
    const ProfileCheck& check() const { return m_check; }

    // Puts a whole new draft in place, outside the undo history (a file just read).
    void reset(const ProfileDraft& draft);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Takes the text of a cell as typed; false for a measure or direction that is none.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QString commonText(ProfileCommon which) const;
    bool isMarked(ProfileCommon which) const;
    void setCommonText(ProfileCommon which, const QString& text);
    // The material chosen by name (none: without), and the rolling direction. With a die the
    // default radius follows both.
    void setMaterial(const std::optional<press::Material>& material,
                     const QString& description = QStringLiteral("Werkstoff"));
    void setRolling(press::RollingDirection rolling);

    // A leg with its bend after the row (the last row: before it); and the row's leg with the
    // bend beside it out. Removing leaves at least two legs.
    void insertLeg(int afterRow);
    void removeLeg(int row);

    bool isMarked(const QModelIndex& index) const;
    // "Schenkel 2, Länge, Millimeter", as a screen reader names a cell.
    static QString cellName(int row, int column);

Q_SIGNALS:
    // The draft changed, by an edit, an undo or a redo; the check is done.
    void draftChanged();

private:
    void change(const ProfileDraft& next, const QString& description);
    static void followDie(ProfileDraft& draft);
    void apply(const ProfileDraft& draft);
    ProfileCheck checkOf(const ProfileDraft& draft) const;
    std::optional<QString>* typedText(ProfileDraft& draft, int row, int column) const;
    const std::optional<QString>* typedText(const ProfileDraft& draft, int row, int column) const;

    ProfileDraft m_draft;
    ProfileCheck m_check;
    QUndoStack* m_undo;
};

// The texts values are shown in, with a decimal point: two decimals for thickness, radii and
// angles, three for all other lengths.
QString shownLength(double value);
// "außen" or "innen", as the user reads the measure (the file keeps its key "aussen").
QString measureCaption(profile::Measure measure);
// The orange the window sets its key results on.
QColor keyResultOrange();
QString shownTwoDecimals(double value);
// A force in kN, to the tenth the press brake's figures are given in.
QString shownForce(double value);
// A value's text, or a dash where there is none.
QString orDash(const std::optional<double>& value, QString (*text)(double));

} // namespace kantrix
