// Adding, changing and deleting categories, items and persons.
#include "database/catalogue_files.h"
#include "database/expense_database.h"
#include "database/maintenance_edits.h"
#include "database/month_keys.h"
#include "database/text_lines.h"

namespace kestrune {

Status ExpenseDatabase::ChangeCatalogue(const std::function<Status(ChangeSet&)>& gather) {
  const auto saved_categories = categories_;
  const auto saved_persons = persons_;
  ChangeSet changes(fs_, folder_);
  Status status = gather(changes);
  if (status.ok()) status = changes.Commit();
  if (!status.ok()) {
    categories_ = saved_categories;
    persons_ = saved_persons;
  }
  return status;
}

Status ExpenseDatabase::RewriteFile(
    ChangeSet& changes, const std::string& path,
    const std::function<std::vector<std::string>(std::vector<std::string>)>& edit) {
  FileLines file = ReadLines(changes, path);
  if (file.status.ok() && file.existed) changes.Write(path, JoinEndedLines(edit(file.lines)));
  return file.status;
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
  return ChangeCatalogue([&](ChangeSet& changes) {
    categories_[name] = CategoryRecord{name, information, {}};
    DropBlankNames(categories_);
    Status listed = AppendToIndexFile(changes, CategoryIndexPath(), name);
    if (!listed.ok()) return listed;
    changes.Write(CategoryFilePath(name), NewCategoryFile(name, information));
    return Status::Ok();
  });
}

Status ExpenseDatabase::AddPerson(const std::string& name, const std::string& information) {
  return ChangeCatalogue([&](ChangeSet& changes) {
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
  FileLines file = ReadLines(changes, CategoryFilePath(category));
  if (!file.status.ok()) return file.status;
  if (!file.existed) file.lines = SplitLines(NewCategoryFile(category, ""));
  const std::string line = FormatItemLine(ItemEntry{item, information});
  changes.Write(CategoryFilePath(category), JoinEndedLines(InsertItemLine(file.lines, line)));
  return Status::Ok();
}

Status ExpenseDatabase::AddItemToCategory(const std::string& category, const std::string& item,
                                          const std::string& information) {
  return ChangeCatalogue(
      [&](ChangeSet& changes) { return GatherAddItem(changes, category, item, information); });
}

Status ExpenseDatabase::RenameCategoryFiles(ChangeSet& changes, const std::string& old_name,
                                            const std::string& new_name,
                                            const std::string& information) {
  for (const ItemEntry& item : categories_[old_name].items) {
    FileLines file = ReadLines(changes, ItemFilePath(old_name, item.name));
    if (!file.status.ok()) return file.status;
    changes.Write(ItemFilePath(new_name, item.name),
                  file.existed ? JoinEndedLines(file.lines)
                               : JoinEndedLines(SplitLines(NewItemTotalsFile())));
    changes.Remove(ItemFilePath(old_name, item.name));
  }
  FileLines file = ReadLines(changes, CategoryFilePath(old_name));
  if (!file.status.ok()) return file.status;
  if (!file.existed) file.lines = SplitLines(NewCategoryFile(new_name, information));
  SetHeaderLine(file.lines, 0, new_name);
  SetHeaderLine(file.lines, 1, information);
  changes.Remove(CategoryFilePath(old_name));
  changes.Write(CategoryFilePath(new_name), JoinEndedLines(file.lines));
  return RewriteIndex(changes, CategoryIndexPath(), old_name, new_name);
}

Status ExpenseDatabase::EditCategory(const std::string& old_name, const std::string& new_name,
                                     const std::string& information) {
  return ChangeCatalogue([&](ChangeSet& changes) {
    if (new_name == old_name) {
      categories_[old_name].information = information;
      return RewriteFile(changes, CategoryFilePath(old_name), [&](std::vector<std::string> lines) {
        SetHeaderLine(lines, 1, information);
        return lines;
      });
    }
    Status renamed = RenameCategoryFiles(changes, old_name, new_name, information);
    CategoryRecord record = categories_[old_name];
    categories_.erase(old_name);
    record.name = new_name;
    record.information = information;
    categories_[new_name] = std::move(record);
    return renamed;
  });
}

Status ExpenseDatabase::DeleteCategory(const std::string& name) {
  return ChangeCatalogue([&](ChangeSet& changes) {
    for (const ItemEntry& item : categories_[name].items) {
      changes.Remove(ItemFilePath(name, item.name));
    }
    categories_.erase(name);
    changes.Remove(CategoryFilePath(name));
    return RewriteIndex(changes, CategoryIndexPath(), name, "");
  });
}

ExpenseTables ExpenseDatabase::PrefilledTables() const {
  ExpenseTables tables;
  std::vector<std::string> keys = {std::string(kAllMonths)};
  keys.insert(keys.end(), months_.begin(), months_.end());
  for (const std::string& key : keys) {
    tables.months[key] = 0.0;
    AmountTable& block = tables.persons[key];
    for (const auto& [name, person] : persons_) block[name] = 0.0;
    block[kForAll] = 0.0;
  }
  return tables;
}

Status ExpenseDatabase::ReadItemTotals(ChangeSet& changes, const std::string& category,
                                       const std::string& item, ExpenseTables& tables) {
  const std::string path = ItemFilePath(category, item);
  FileLines file = ReadLines(changes, path);
  if (!file.status.ok()) return file.status;
  if (!file.existed) changes.Write(path, NewItemFile());
  ReadExpenseTables(file.lines, kItemTotals, tables);
  return Status::Ok();
}

Status ExpenseDatabase::ReadCategoryPersonTotals(ChangeSet& changes, const std::string& category,
                                                 ExpenseTables& tables) {
  const std::string path = CategoryFilePath(category);
  FileLines file = ReadLines(changes, path);
  if (!file.status.ok()) return file.status;
  if (!file.existed) changes.Write(path, NewCategoryFile(category, ""));
  ReadExpenseTables(file.lines, kCategoryTotals, tables);
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
      RewriteFile(changes, CategoryFilePath(category), [&](std::vector<std::string> lines) {
        return ShiftAmounts(DropItemLines(lines, item), kCategoryTotals, tables, -1.0);
      });
  changes.Remove(ItemFilePath(category, item));
  return rewritten;
}

Status ExpenseDatabase::DeleteItem(const std::string& category, const std::string& item) {
  return ChangeCatalogue(
      [&](ChangeSet& changes) { return GatherDeleteItem(changes, category, item); });
}

Status ExpenseDatabase::EditItem(const std::string& old_category, const std::string& old_item,
                                 const std::string& new_category, const std::string& new_item,
                                 const std::string& information) {
  return ChangeCatalogue([&](ChangeSet& changes) {
    FileLines old_file = ReadLines(changes, ItemFilePath(old_category, old_item));
    if (!old_file.status.ok()) return old_file.status;
    // An item never read has no file: it moves as the six empty sections.
    if (!old_file.existed) old_file.lines = SplitLines(NewItemFile());
    Status status = GatherDeleteItem(changes, old_category, old_item);
    if (status.ok()) status = GatherAddItem(changes, new_category, new_item, information);
    if (!status.ok()) return status;
    changes.Write(ItemFilePath(new_category, new_item), JoinEndedLines(old_file.lines));
    ExpenseTables tables = PrefilledTables();
    ReadExpenseTables(old_file.lines, kItemTotals, tables);
    return RewriteFile(changes, CategoryFilePath(new_category),
                       [&](std::vector<std::string> lines) {
                         return ShiftAmounts(MakeRoom(lines, kCategoryTotals, tables),
                                             kCategoryTotals, tables, 1.0);
                       });
  });
}

Status ExpenseDatabase::EditPerson(const std::string& old_name, const std::string& new_name,
                                   const std::string& information) {
  return ChangeCatalogue([&](ChangeSet& changes) {
    auto rename = [&](std::vector<std::string> lines) {
      return RenamePerson(lines, old_name, new_name);
    };
    for (const auto& [name, category] : categories_) {
      Status status = RewriteFile(changes, CategoryFilePath(name), rename);
      for (const ItemEntry& item : category.items) {
        if (status.ok()) status = RewriteFile(changes, ItemFilePath(name, item.name), rename);
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

// Takes the person out of one file, with the amounts read from that same file.
Status ExpenseDatabase::RemovePersonFrom(ChangeSet& changes, const std::string& path,
                                         SectionMarks totals, const std::string& person,
                                         const ExpenseTables& tables) {
  return RewriteFile(changes, path, [&](std::vector<std::string> lines) {
    return RemovePerson(lines, totals, person, tables);
  });
}

Status ExpenseDatabase::DeletePerson(const std::string& name) {
  return ChangeCatalogue([&](ChangeSet& changes) {
    for (const auto& [category_name, category] : categories_) {
      ExpenseTables tables;
      Status status = ReadCategoryPersonTotals(changes, category_name, tables);
      if (status.ok()) {
        status = RemovePersonFrom(changes, CategoryFilePath(category_name), kCategoryTotals, name,
                                  tables);
      }
      for (const ItemEntry& item : category.items) {
        ExpenseTables item_tables;
        if (status.ok()) status = ReadItemTotals(changes, category_name, item.name, item_tables);
        if (status.ok()) {
          status = RemovePersonFrom(changes, ItemFilePath(category_name, item.name), kItemTotals,
                                    name, item_tables);
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
