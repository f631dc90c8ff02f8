// The page's language, English or Japanese: its texts from translations.json
// (built from the window's own translations, i18n/*.ts), switched without a
// reload, kept in localStorage; the first visit follows navigator.language.

const STORAGE_KEY = 'draftcalc.language';
export const LANGUAGES = ['en', 'ja'];

export class Language {
  // `translations`: {en: {source: text}, ja: {...}}; `texts`: the page's
  // texts by key (page_texts.js).
  constructor(translations, texts, storage = globalThis.localStorage) {
    this.translations = translations;
    this.texts = texts;
    this.storage = storage;
    const kept = storage?.getItem(STORAGE_KEY);
    this.code = LANGUAGES.includes(kept) ? kept : Language.ofLocale(globalThis.navigator?.language ?? '');
  }

  static ofLocale(locale) {
    return locale.toLowerCase().startsWith('ja') ? 'ja' : 'en';
  }

  set(code) {
    if (!LANGUAGES.includes(code)) return;
    this.code = code;
    this.storage?.setItem(STORAGE_KEY, code);
  }

  // A source text (the window's or the calculation's own, such as a remark)
  // in the page's language; the source itself where there is none.
  tr(source, ...values) {
    const text = this.translations[this.code]?.[source] ?? source;
    return text.replace(/%(\d)/g, (marker, n) => (n >= 1 && n <= values.length ? values[n - 1] : marker));
  }

  // A page text by its key.
  text(key, ...values) {
    return this.tr(this.texts[key] ?? key, ...values);
  }

  // Every marked element of `root` in the page's language.
  apply(root) {
    root.documentElement && (root.documentElement.lang = this.code);
    for (const element of root.querySelectorAll('[data-tr]')) element.textContent = this.text(element.dataset.tr);
    for (const element of root.querySelectorAll('[data-tr-title]')) element.title = this.text(element.dataset.trTitle);
    for (const element of root.querySelectorAll('[data-tr-label]')) {
      element.setAttribute('aria-label', this.text(element.dataset.trLabel));
    }
  }
}
