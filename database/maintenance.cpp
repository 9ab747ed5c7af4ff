// Adding, changing and deleting categories, items and persons.
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/maintenance_edits.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {

Status ExpenseDatabase::ChangeCatalogue(std::optional<UndoNote> note,
                                        const std::function<Status(ChangeSet&)>& gather) {
  const auto saved_categories = categories_;
  const auto saved_persons = persons_;
  ChangeSet changes(fs_, folder_);
  changes.Record(std::move(note));
  Status status = gather(changes);
  if (status.ok()) status = changes.Commit();
  if (!status.ok()) {
    categories_ = saved_categories;
    persons_ = saved_persons;
  }
  return status;
}

Status ExpenseDatabase::EditExpenseFile(ChangeSet& changes, const std::string& path,
                                        SectionMarks totals,
                                        const std::function<void(ExpenseFile&)>& edit) {
  ReadModel read = ReadExpenseFile(changes, path, totals, "", false);
  if (!read.status.ok() || !read.existed) return read.status;
  edit(*read.file);
  changes.Write(path, read.file->Format());
  return Status::Ok();
}

Status ExpenseDatabase::RewriteIndex(ChangeSet& changes, const std::string& path,
                                     const std::string& old_name, const std::string& new_name) {
  FileLines index = ReadLines(changes, path);
  if (!index.status.ok()) return index.status;
  changes.Write(path, JoinLines(ReplaceIndexLines(index.lines, old_name, new_name)));
  return Status::Ok();
}

Status ExpenseDatabase::AppendToIndexFile(ChangeSet& changes, const std::string& path,
                                          const std::string& name) {
  FileLines index = ReadLines(changes, path);
  if (index.status.ok()) changes.Write(path, AppendToIndex(index.content, name));
  return index.status;
}

// Blank names a hand-edited index may have produced never count as entries.
template <typename Map>
void DropBlankNames(Map& map) {
  for (const char* blank : {"", " ", "\n", "\t"}) map.erase(blank);
}

Status ExpenseDatabase::AddCategory(const std::string& name, const std::string& information) {
  return ChangeCatalogue(Note("Add category " + name, {}, {name, "", ""}), [&](ChangeSet& changes) {
    categories_[name] = CategoryRecord{name, information, {}};
    DropBlankNames(categories_);
    Status listed = AppendToIndexFile(changes, CategoryIndexPath(), name);
    if (!listed.ok()) return listed;
    changes.Write(CategoryFilePath(name), NewCategoryFile(name, information));
    return Status::Ok();
  });
}

Status ExpenseDatabase::AddPerson(const std::string& name, const std::string& information) {
  return ChangeCatalogue(Note("Add person " + name, {}, {"", "", name}), [&](ChangeSet& changes) {
    persons_[name] = PersonRecord{name, information};
    DropBlankNames(persons_);
    Status listed = AppendToIndexFile(changes, PersonIndexPath(), name);
    if (!listed.ok()) return listed;
    changes.Write(PersonFilePath(name), NewPersonFile(name, information));
    return Status::Ok();
  });
}

Status ExpenseDatabase::GatherAddItem(ChangeSet& changes, const std::string& category,
                                      const std::string& item, const std::string& information) {
  CategoryRecord& record = categories_[category];
  record.name = category;
  // The category file lists the newest item first; the catalogue shows the file's order.
  record.items.insert(record.items.begin(), ItemEntry{item, information});
  const std::string path = CategoryFilePath(category);
  ReadModel read =
      ReadExpenseFile(changes, path, kCategoryTotals, NewCategoryFile(category, ""), false);
  if (!read.status.ok()) return read.status;
  read.file->InsertItemLine(FormatItemLine(ItemEntry{item, information}));
  changes.Write(path, read.file->Format());
  return Status::Ok();
}

Status ExpenseDatabase::AddItemToCategory(const std::string& category, const std::string& item,
                                          const std::string& information) {
  return ChangeCatalogue(
      Note("Add item " + item + " to " + category, {category, "", ""}, {category, item, ""}),
      [&](ChangeSet& changes) { return GatherAddItem(changes, category, item, information); });
}

Status ExpenseDatabase::RenameCategoryFiles(ChangeSet& changes, const std::string& old_name,
                                            const std::string& new_name,
                                            const std::string& information) {
  for (const ItemEntry& item : categories_[old_name].items) {
    ReadModel read = ReadExpenseFile(changes, ItemFilePath(old_name, item.name), kItemTotals,
                                     NewItemTotalsFile(), false);
    if (!read.status.ok()) return read.status;
    changes.Write(ItemFilePath(new_name, item.name), read.file->Format());
    changes.Remove(ItemFilePath(old_name, item.name));
  }
  ReadModel read = ReadExpenseFile(changes, CategoryFilePath(old_name), kCategoryTotals,
                                   NewCategoryFile(new_name, information), false);
  if (!read.status.ok()) return read.status;
  read.file->SetHeaderLine(0, new_name);
  read.file->SetHeaderLine(1, information);
  changes.Remove(CategoryFilePath(old_name));
  changes.Write(CategoryFilePath(new_name), read.file->Format());
  return RewriteIndex(changes, CategoryIndexPath(), old_name, new_name);
}

Status ExpenseDatabase::EditCategory(const std::string& old_name, const std::string& new_name,
                                     const std::string& information) {
  return ChangeCatalogue(
      Note("Edit category " + old_name, {old_name, "", ""}, {new_name, "", ""}),
      [&](ChangeSet& changes) {
        if (new_name == old_name) {
          categories_[old_name].information = information;
          return EditExpenseFile(changes, CategoryFilePath(old_name), kCategoryTotals,
                                 [&](ExpenseFile& file) { file.SetHeaderLine(1, information); });
        }
        Status renamed = RenameCategoryFiles(changes, old_name, new_name, information);
        if (renamed.ok()) renamed = GatherBudgetRename(changes, old_name, "", new_name, "", false);
        CategoryRecord record = categories_[old_name];
        categories_.erase(old_name);
        record.name = new_name;
        record.information = information;
        categories_[new_name] = std::move(record);
        return renamed;
      });
}

Status ExpenseDatabase::DeleteCategory(const std::string& name) {
  return ChangeCatalogue(Note("Delete category " + name, {name, "", ""}, {}),
                         [&](ChangeSet& changes) {
                           for (const ItemEntry& item : categories_[name].items) {
                             changes.Remove(ItemFilePath(name, item.name));
                           }
                           categories_.erase(name);
                           changes.Remove(CategoryFilePath(name));
                           Status dropped = GatherBudgetRename(changes, name, "", "", "", true);
                           if (!dropped.ok()) return dropped;
                           return RewriteIndex(changes, CategoryIndexPath(), name, "");
                         });
}

ExpenseTables ExpenseDatabase::PrefilledTables() const {
  ExpenseTables tables;
  std::vector<std::string> keys = {std::string(kAllMonths)};
  keys.insert(keys.end(), months_.begin(), months_.end());
  for (const std::string& key : keys) {
    tables.months[key] = 0;
    AmountTable& block = tables.persons[key];
    for (const std::string& name : EveryoneNamed()) block[name] = 0;
  }
  return tables;
}

Status ExpenseDatabase::ReadItemTotals(ChangeSet& changes, const std::string& category,
                                       const std::string& item, ExpenseTables& tables) {
  const std::string path = ItemFilePath(category, item);
  ReadModel read = ReadExpenseFile(changes, path, kItemTotals, "", false);
  if (!read.status.ok()) return read.status;
  if (!read.existed) changes.Write(path, NewItemFile());
  read.file->ReadTables(tables);
  return Status::Ok();
}

Status ExpenseDatabase::ReadCategoryPersonTotals(ChangeSet& changes, const std::string& category,
                                                 ExpenseTables& tables) {
  const std::string path = CategoryFilePath(category);
  ReadModel read = ReadExpenseFile(changes, path, kCategoryTotals, "", false);
  if (!read.status.ok()) return read.status;
  if (!read.existed) changes.Write(path, NewCategoryFile(category, ""));
  read.file->ReadTables(tables);
  return Status::Ok();
}

Status ExpenseDatabase::GatherDeleteItem(ChangeSet& changes, const std::string& category,
                                         const std::string& item) {
  ExpenseTables tables = PrefilledTables();
  Status read = ReadItemTotals(changes, category, item, tables);
  if (!read.ok()) return read;
  std::erase_if(categories_[category].items,
                [&](const ItemEntry& entry) { return entry.name == item; });
  Status rewritten =
      EditExpenseFile(changes, CategoryFilePath(category), kCategoryTotals, [&](ExpenseFile& file) {
        file.DropItem(item);
        file.ShiftAmounts(tables, -1);
      });
  changes.Remove(ItemFilePath(category, item));
  return rewritten;
}

Status ExpenseDatabase::DeleteItem(const std::string& category, const std::string& item) {
  return ChangeCatalogue(
      Note("Delete item " + item + " of " + category, {category, item, ""}, {category, "", ""}),
      [&](ChangeSet& changes) {
        Status dropped = GatherBudgetRename(changes, category, item, "", "", true);
        return dropped.ok() ? GatherDeleteItem(changes, category, item) : dropped;
      });
}

Status ExpenseDatabase::EditItem(const std::string& old_category, const std::string& old_item,
                                 const std::string& new_category, const std::string& new_item,
                                 const std::string& information) {
  return ChangeCatalogue(
      Note("Edit item " + old_item + " of " + old_category, {old_category, old_item, ""},
           {new_category, new_item, ""}),
      [&](ChangeSet& changes) {
        // An item never read has no file: it moves as the six empty sections.
        ReadModel old_file = ReadExpenseFile(changes, ItemFilePath(old_category, old_item),
                                             kItemTotals, NewItemFile(), false);
        if (!old_file.status.ok()) return old_file.status;
        Status status = Status::Ok();
        if (old_category != new_category || old_item != new_item) {
          status =
              GatherBudgetRename(changes, old_category, old_item, new_category, new_item, false);
        }
        if (status.ok()) status = GatherDeleteItem(changes, old_category, old_item);
        if (status.ok()) status = GatherAddItem(changes, new_category, new_item, information);
        if (!status.ok()) return status;
        changes.Write(ItemFilePath(new_category, new_item), old_file.file->Format());
        ExpenseTables tables = PrefilledTables();
        old_file.file->ReadTables(tables);
        return EditExpenseFile(changes, CategoryFilePath(new_category), kCategoryTotals,
                               [&](ExpenseFile& file) {
                                 file.MakeRoom(tables);
                                 file.ShiftAmounts(tables, 1);
                               });
      });
}

Status ExpenseDatabase::EditPerson(const std::string& old_name, const std::string& new_name,
                                   const std::string& information) {
  return ChangeCatalogue(
      Note("Edit person " + old_name, {"", "", old_name}, {"", "", new_name}),
      [&](ChangeSet& changes) {
        auto rename = [&](ExpenseFile& file) { file.RenamePerson(old_name, new_name); };
        for (const auto& [name, category] : categories_) {
          Status status = EditExpenseFile(changes, CategoryFilePath(name), kCategoryTotals, rename);
          for (const ItemEntry& item : category.items) {
            if (status.ok()) {
              status = EditExpenseFile(changes, ItemFilePath(name, item.name), kItemTotals, rename);
            }
          }
          if (!status.ok()) return status;
        }
        persons_.erase(old_name);
        persons_[new_name] = PersonRecord{new_name, information};
        FileLines file = ReadLines(changes, PersonFilePath(old_name));
        if (!file.status.ok()) return file.status;
        SetHeaderLine(file.lines, 0, new_name);
        SetHeaderLine(file.lines, 1, information);
        if (new_name == old_name) {
          changes.Write(PersonFilePath(old_name), JoinEndedLines(file.lines));
          return Status::Ok();
        }
        changes.Remove(PersonFilePath(old_name));
        changes.Write(PersonFilePath(new_name), JoinEndedLines(file.lines));
        return RewriteIndex(changes, PersonIndexPath(), old_name, new_name);
      });
}

Status ExpenseDatabase::DeletePerson(const std::string& name) {
  return ChangeCatalogue(
      Note("Delete person " + name, {"", "", name}, {}), [&](ChangeSet& changes) {
        for (const auto& [category_name, category] : categories_) {
          // Each file loses the amounts read from that same file.
          auto remove = [&](ExpenseTables& tables) {
            return [&](ExpenseFile& file) { file.RemovePerson(name, tables); };
          };
          ExpenseTables tables;
          Status status = ReadCategoryPersonTotals(changes, category_name, tables);
          if (status.ok()) {
            status = EditExpenseFile(changes, CategoryFilePath(category_name), kCategoryTotals,
                                     remove(tables));
          }
          for (const ItemEntry& item : category.items) {
            ExpenseTables item_tables;
            if (status.ok())
              status = ReadItemTotals(changes, category_name, item.name, item_tables);
            if (status.ok()) {
              status = EditExpenseFile(changes, ItemFilePath(category_name, item.name), kItemTotals,
                                       remove(item_tables));
            }
          }
          if (!status.ok()) return status;
        }
        persons_.erase(name);
        changes.Remove(PersonFilePath(name));
        return RewriteIndex(changes, PersonIndexPath(), name, "");
      });
}

}  // namespace kestrune
