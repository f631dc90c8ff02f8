// The built site served on 127.0.0.1 and Debian's Chromium driven by
// playwright-core, for the browser test, the benchmarks and the screenshots.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

import { chromium } from 'playwright-core';

import { siteFolder } from './support.js';

const TYPES = { '.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript', '.mjs': 'text/javascript', '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml' };

// Serves the site's files on a free port of 127.0.0.1; resolves to
// {url, close()}.
export async function serveSite(folder = siteFolder) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    const file = path.join(folder, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

const CHROMIUM_ARGS = ['--no-sandbox', '--headless', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// Debian's Chromium with a fresh profile, its language `locale` (the page
// follows navigator.language at the first visit: Japanese, as the window's
// original texts are, unless a test asks otherwise); resolves to {context, close()}.
export async function launchBrowser(viewport = { width: 1280, height: 900 }, locale = 'ja-JP') {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'draftcalc-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: CHROMIUM_ARGS,
    viewport,
    locale,
  });
  return {
    context,
    close: async () => {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens the page and waits until it can be used.
export async function openPage(context, url) {
  const page = context.pages()[0] ?? (await context.newPage());
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 10_000 });
  return { page, errors };
}
