#pragma once

// The group "Werkstoff und Werkzeug" of the part windows (profile and box): material, die with
// the suggested opening marked, press and rolling direction, and the note on the user's materials
// file, which it watches so that a file written by the command line or a dialog counts at once.
// It holds no part of its own: the window shows the part's values in it and takes what the user
// chooses from its signals, as one undoable change of its model.

#include "material.h"
#include "user_materials.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;

namespace kantrix {

// The values of the part the group shows.
struct PressBrakeView
{
    const std::optional<press::Material>* material;
    press::RollingDirection rolling;
    double thickness;          // for the suggested die
    std::optional<double> die; // the radius follows it
};

class PressBrakeGroup : public QGroupBox
{
    Q_OBJECT

public:
    // `prefix` begins the object names ("Profil" gives "Profil_Presse"); `keys` watches each
    // typed field for the window's commands.
    PressBrakeGroup(const QString& prefix, QObject* keys, QWidget* parent);

    QComboBox* materialBox() const { return m_material; }
    QComboBox* dieBox() const { return m_die; }
    QComboBox* rollingBox() const { return m_rolling; }
    QLineEdit* dieField() const;
    QLineEdit* pressField() const { return m_press; }
    QLabel* materialsMessage() const { return m_message; }
    const UserMaterials& materials() const { return m_materials; }
    // Whether the part's material differs from the user's data of its name.
    bool materialDiffers() const { return m_differs; }

    // Shows the part's material, rolling direction and the die's marks; the die and press fields
    // are the window's, shown and marked by it.
    void show(const PressBrakeView& part);

    // Reads the user's materials file again. The material the part had as the catalog's, where
    // the file now has other data of it: the window takes that as one change.
    std::optional<press::Material> reload(const std::optional<press::Material>& partMaterial);
    // Every part window's group reads the file again, after a dialog wrote it.
    static void reloadEverywhere();

Q_SIGNALS:
    // The user is about to choose: what is being typed elsewhere counts first.
    void choosing();
    void materialChosen(const std::optional<press::Material>& material);
    void rollingChosen(press::RollingDirection rolling);
    // A die typed or picked, a press typed: their texts as the user left them.
    void dieTaken(const QString& text);
    void pressTaken(const QString& text);
    // The file changed; the window reloads through reload() and shows itself again.
    void materialsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepNoteWhole();
    void watchMaterials();

    QComboBox* m_material;
    QComboBox* m_die;
    QLineEdit* m_press;
    QComboBox* m_rolling;
    QLabel* m_message;
    QFileSystemWatcher* m_watch;
    UserMaterials m_materials;
    std::optional<press::Material> m_shown; // the part's material, as last shown
    bool m_differs = false;
};

} // namespace kantrix
