#include "res/history_texts.h"

namespace tarvik {
namespace {

constexpr HistoryTexts kNeutral{
    .caption = "History",
    .started = "Started",
    .name = "Name",
    .shots = "Shots",
    .average = "Average",
    .extreme_spread = "ES",
    .standard_deviation = "SD",
    .notes = "Notes",
    .string_caption = "String: ",
    .status = "Status",
    .left_out = "left out",
    .undone = "undone",
    .loaded = "loaded",
    .open = "&Open",
    .name_and_notes = "&Name and notes...",
    .remove = "&Delete",
    .export_csv = "E&xport...",
    .save_chart = "Save &chart...",
    .weight = "Weight",
    .compared_of = " of ",
    .select_strings = "Select one to four strings",
    .no_counted_shots = "No counted shots",
    .delete_caption = "Delete",
    .delete_one_before = "Delete the string \"",
    .delete_one_after = "\"? It is moved to the deleted folder of the history.",
    .delete_many_after =
        " strings selected: delete them? They are moved to the deleted folder "
        "of the history.",
    .export_title = "Export strings",
    .csv_files = "CSV files",
    .chart_title = "Save chart",
    .png_files = "PNG pictures",
    .pdf_files = "PDF documents",
    .svg_files = "SVG pictures",
    .export_failed = "The strings could not be exported to ",
    .chart_failed = "The chart could not be saved to ",
    .delete_failed = "The string could not be deleted from ",
    .rename_failed = "The name and notes could not be written to ",
    .read_failed = "The string could not be read from ",
};

constexpr HistoryTexts kGerman{
    .caption = "Verlauf",
    .started = "Begonnen",
    .name = "Name",
    .shots = "Schüsse",
    .average = "Durchschnitt",
    .extreme_spread = "Streubreite",
    .standard_deviation = "Std.-Abw.",
    .notes = "Notizen",
    .string_caption = "Serie: ",
    .status = "Status",
    .left_out = "ausgelassen",
    .undone = "rückgängig",
    .loaded = "geladen",
    .open = "Ö&ffnen",
    .name_and_notes = "&Name und Notizen...",
    .remove = "&Löschen",
    .export_csv = "E&xportieren...",
    .save_chart = "&Diagramm speichern...",
    .weight = "Gewicht",
    .compared_of = " von ",
    .select_strings = "Wähle eine bis vier Serien",
    .no_counted_shots = "Keine gezählten Schüsse",
    .delete_caption = "Löschen",
    .delete_one_before = "Die Serie \"",
    .delete_one_after = "\" löschen? Sie wird in den Ordner der gelöschten Serien verschoben.",
    .delete_many_after =
        " Serien ausgewählt: löschen? Sie werden in den Ordner der gelöschten "
        "Serien verschoben.",
    .export_title = "Serien exportieren",
    .csv_files = "CSV-Dateien",
    .chart_title = "Diagramm speichern",
    .png_files = "PNG-Bilder",
    .pdf_files = "PDF-Dokumente",
    .svg_files = "SVG-Bilder",
    .export_failed = "Die Serien konnten nicht exportiert werden nach ",
    .chart_failed = "Das Diagramm konnte nicht gespeichert werden unter ",
    .delete_failed = "Die Serie konnte nicht gelöscht werden aus ",
    .rename_failed = "Name und Notizen konnten nicht geschrieben werden in ",
    .read_failed = "Die Serie konnte nicht gelesen werden aus ",
};

}  // namespace

const HistoryTexts& HistoryTextsFor(UiLanguage language) {
  return language == UiLanguage::kGerman ? kGerman : kNeutral;
}

}  // namespace tarvik
