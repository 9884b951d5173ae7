#pragma once

// "Werkstoffe…": every material a profile can take, with its values and the shop's test bends, in
// a table over a model of the catalog (a row per test bend, one for a material without). A test
// bend of the user's materials file can be deleted there, after a question, and another materials
// file (from another computer or a phone) can be taken in, merged so that nothing of the user's
// is dropped. The file is then written whole, or says why not and stays as it was.

#include "user_materials.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace kantrix {

class MaterialsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Name,
        Number,
        Strength,
        Factor,
        Origin,
        TestBendNumber,
        Thickness,
        Radius,
        Die,
        Angle,
        SetAngle,
        CutLength,
        LegA,
        LegB,
        K,
        ColumnCount
    };

    explicit MaterialsModel(QObject* parent = nullptr);

    void setCatalog(const press::MaterialCatalog& catalog);
    // The material of a row and its test bend's index, where the row is a test bend.
    const press::Material& materialAt(int row) const;
    std::optional<std::size_t> testBendAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        std::size_t entry;
        std::optional<std::size_t> testBend;
    };

    press::MaterialCatalog m_catalog;
    std::vector<Row> m_rows;
};

class MaterialsDialog : public QDialog
{
    Q_OBJECT

public:
    MaterialsDialog(const UserMaterials& materials, QWidget* parent);

    QTableView* table() const { return m_table; }
    MaterialsModel* model() const { return m_model; }
    QPushButton* remove() const { return m_remove; }
    QPushButton* importButton() const { return m_import; }
    QLabel* message() const { return m_message; }
    QLabel* replacedValues() const { return m_replaced; }

    // The user's file read again, after it changed.
    void setMaterials(const UserMaterials& materials);
    // Deletes the test bend of the current row after asking; false where nothing was deleted.
    bool removeTestBend();
    // Merges the materials file at `path` into the user's; false where nothing changed.
    bool importFile(const QString& path);

Q_SIGNALS:
    void materialsWritten();

private:
    void updateRemove();
    void showMessage(const QString& text, bool refused);

    UserMaterials m_materials;
    MaterialsModel* m_model;
    QTableView* m_table;
    QPushButton* m_remove;
    QPushButton* m_import;
    QLabel* m_replaced;
    QLabel* m_message;
};

} // namespace kantrix
