#include <windows.h>
#include "shared/util/data_file_prompts.h"
#include <utility>
#include "shared/convert/convert.h"
#include "shared/util/files.h"
#include "shared/util/message_boxes.h"

namespace util {
namespace {

std::string Article(const DataFileWords &words, bool capital = false) {
    if (capital) return words.feminine ? "Las" : "Los";
    return words.feminine ? "las" : "los";
}

// "las notas", "los registros"
std::string Records(const DataFileWords &words) { return Article(words) + " " + std::string(words.noun); }

// What stands where the file should be, as the messages say it.
std::string NotAFile(FileKind kind) {
    switch (kind) {
    case FileKind::Folder: return "no es un archivo sino una carpeta";
    case FileKind::Device: return "no es un archivo sino un dispositivo";
    case FileKind::Pipe: return "no es un archivo sino una tubería";
    case FileKind::File: break;
    }
    return "no es un archivo";
}

// Asks before the file is replaced; true when the save may go ahead.
bool ReplacingAgreed(const DataFile &file) {
    const std::string name(file.words.file);
    switch (QuestionBeforeSave(file)) {
    case SaveQuestion::NotReadAtStart:
        return Agreed("Reemplazar " + name,
                      name + " no se pudo leer al empezar.\n¿Reemplazarlo por " + Records(file.words) +
                          " que hay ahora en la agenda?",
                      MB_ICONQUESTION);
    case SaveQuestion::ChangedElsewhere:
        return Agreed(name + " ha cambiado",
                      "Otro programa ha cambiado " + name + " desde que se abrió.\n¿Reemplazarlo por " +
                          Records(file.words) + " que se ven aquí?",
                      MB_ICONQUESTION | MB_DEFBUTTON2);
    case SaveQuestion::None: break;
    }
    return true;
}

} // namespace

void ReportLoad(const DataFile &file) {
    const std::string name(file.words.file);
    const std::string none = "\nSe empieza sin " + std::string(file.words.noun);
    if (file.loaded == ReadStatus::Unreadable)
        ShowMessageFlags("No se puede leer " + name,
                         name + " existe pero no se ha podido leer:\n" + file.reason + none +
                             "; no se reemplazará el archivo sin preguntar.",
                         MB_ICONEXCLAMATION);
    if (file.loaded == ReadStatus::NotAFile)
        ShowMessageFlags("No se puede leer " + name,
                         name + " " + NotAFile(file.kind) + ":\n" + DisplayPath(file.path) + none +
                             ", y no se podrán guardar mientras siga ahí.",
                         MB_ICONEXCLAMATION);
}

void ReportHeldBack(const DataFile &file, size_t total, size_t shown) {
    const DataFileWords &words = file.words;
    const std::string noun(words.noun);
    ShowMessageFlags(std::string(words.feminine ? "Demasiadas " : "Demasiados ") + noun,
                     std::string(words.file) + " tiene " +
                         convert::NumberToText(static_cast<int32_t>(total)) + " " + noun + "; se muestran " +
                         Article(words) + " " + convert::NumberToText(static_cast<int32_t>(shown)) +
                         (words.feminine ? " primeras.\n" : " primeros.\n") + Article(words, true) +
                         " demás se conservan sin cambios al guardar.",
                     MB_ICONINFORMATION);
}

bool SaveAsking(DataFile &file, std::vector<uint8_t> bytes) {
    if (!ReplacingAgreed(file)) return false;
    const WriteResult saved = SaveDataFile(file, std::move(bytes));
    if (!saved.ok)
        ShowMessageFlags("Error al guardar",
                         "No se han podido guardar " + Records(file.words) + " en " +
                             std::string(file.words.file) + ":\n" +
                             (saved.kind == FileKind::File ? saved.reason : NotAFile(saved.kind)) +
                             "\nNo se ha perdido ningún cambio.",
                         MB_ICONEXCLAMATION);
    return saved.ok;
}

} // namespace util
