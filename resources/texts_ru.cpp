// The Russian text set (newZonara), written here in UTF-8 and held in code page 1251.
#include "resources/deployer_texts.h"
#include "shell/text/cp1251.h"
#include "shell/text/text_set.h"

const TextSet& RussianTexts() {
    static const TextSet texts = [] {
        const auto T = Utf8ToCp1251;
        TextSet t{};
        t.language = TextLanguage::kRussian;

        t.authors_button = T("Авторы");
        t.exit_button = T("Выход");
        t.pattern_button = T("Дифракция Френеля");
        t.axial_button = T("Распределение интенсивности\nвдоль оптической оси");
        t.radial_button = T("Радиальное распределение интенсивности");
        t.menu_button = T("Меню");

        t.presentations_line = T("Компьютерные демонстрации по курсу лекций");
        t.lecture_course_line = T("");
        t.title_line_1 = T("Дифракция на круглом отверстии");
        t.title_line_2 = T("Зоны Френеля");
        t.year_line = T("2012 г.");

        t.resource_notice =
            T("Страницу не удалось открыть: компьютеру не хватает ресурсов. Попробуйте ещё раз.");
        t.start_failure = T("Программа не может запуститься: компьютеру не хватает ресурсов.");
        t.program_name = T("Зоны Френеля");

        t.help_title = T("Клавиши");
        t.help_rows = {{T("Пробел, Enter, Page Down"), T("Старт, Продолжить, Пауза")},
                       {T("R, Page Up"), T("Сброс")},
                       {T("Esc, Backspace"), T("на стартовую страницу")},
                       {T("Влево, Вправо"), T("длина волны на нанометр меньше, больше")},
                       {T("1, 2, 3"), T("на стартовой странице: три демонстрации")},
                       {T("A"), T("на стартовой странице: авторы")},
                       {T("V"), T("векторная диаграмма, показать или скрыть")},
                       {T("O"), T("отверстие, непрозрачный диск или зонная пластинка")},
                       {T("Точка, запятая (Ю, Б)"), T("шаг вперёд, назад, пока показ стоит")},
                       {T("Z"), T("дальше, до целого числа зон")},
                       {T("Плюс, минус"), T("показ быстрее, медленнее")},
                       {T("M"), T("на следующий экран (проектор)")},
                       {T("P"), T("цвета для проектора или обычные")},
                       {T("Ctrl+C"), T("картинку в буфер обмена")},
                       {T("Ctrl+S"), T("картинку в файл в папке «Изображения»")},
                       {T("F1"), T("эти клавиши, показать или скрыть")},
                       {T("Alt+F4"), T("закрыть программу")}};
        t.copied_note = T("Картинка в буфере обмена");
        t.saved_note = T("Сохранено в папке «Изображения»: ");
        t.clipboard_busy = T("Буфер обмена занят другой программой: попробуйте ещё раз");
        t.copy_failed = T("Картинку не удалось скопировать");
        t.save_failed = T("Картинку не удалось сохранить в папке «Изображения»");
        t.help_failed = T("Клавиши не удалось показать: компьютеру не хватает ресурсов");

        t.start_caption = T("Старт");
        t.continue_caption = T("Продолжить");
        t.pause_caption = T("Пауза");
        t.reset_caption = T("Сброс");
        t.wavelength_prefix = T("Длина волны ");
        t.nanometre_unit = T(" нм");
        t.radius_prefix[0] = T("Радиус отверстия ");
        t.radius_prefix[1] = T("Радиус диска ");
        t.radius_prefix[2] = T("Радиус пластинки ");
        t.millimetre_unit = T(" мм");
        t.distance_prefix = T("Расстояние до экрана ");
        t.metre_unit = T(" м");
        t.intensity_letter = T("I");
        t.object_plane[0] = T("Плоскость отверстия");
        t.object_plane[1] = T("Плоскость диска");
        t.object_plane[2] = T("Плоскость зонной пластинки");
        t.optical_axis = T("Оптическая ось");
        t.zones_prefix = T("Число зон Френеля ");
        // "Е" and the first "С" are Cyrillic (Ie, Es); "En" and the last "Cn" are Latin.
        t.sum_caption = T("Сумма вкладов Е =      Сn * En        Cn - часть открытой зоны");
        t.axial_title = T("Распределение интенсивности вдоль оптической оси");
        t.axial_plot_caption_1 = T("График интенсивности");
        t.axial_plot_caption_2 = T("вдоль оптической оси");
        t.axial_distance_caption_1[0] = T("Расстояние от отверстия");
        t.axial_distance_caption_1[1] = T("Расстояние от диска");
        t.axial_distance_caption_1[2] = T("Расстояние от зонной пластинки");
        t.axial_distance_caption_2 = T("до точки наблюдения");
        t.radial_title = T("Радиальное распределение интенсивности");
        t.radial_plot_heading_1 = T("Радиальное распределение");
        t.radial_plot_heading_2 = T("интенсивности");
        t.radial_plot_caption_1 = T("Радиальное смещение");
        t.radial_plot_caption_2 = T("от оптической оси");
        t.screen_label = T("Экран");
        t.phasor_title = T("Векторная диаграмма");
        t.object_names[0] = T("отверстие");
        t.object_names[1] = T("непрозрачный диск");
        t.object_names[2] = T("зонная пластинка");
        t.focal_prefix = T("Фокус зонной пластинки ");
        t.focus_screen_prefix = T("Экран в фокусе ");

        t.pattern_title = T("Дифракция Френеля");
        t.comparison_caption = T("Кадр сравнения");
        t.current_caption = T("Текущий кадр");
        t.projection_button[0] = T("Проекция отверстия");
        t.projection_button[1] = T("Проекция диска");
        t.projection_button[2] = T("Проекция пластинки");
        t.plots_button = T("Графики");
        t.compare_button = T("Сравнить");
        t.pattern_zones_prefix = T("Число зон Френеля = ");
        t.comparison_equals = T(" = ");

        ReadDeployerTexts(RussianDeployerTexts(), &t);
        return t;
    }();
    return texts;
}
