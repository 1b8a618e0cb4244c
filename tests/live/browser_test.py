#!/usr/bin/python3
"""A phone's page in a real browser (headless Chromium through Selenium): a group's link, strokes
for two players, the service stopped while more are entered, a reload once it is back on the same
port. Every entry must reach the journal exactly once; the strokes entered are printed as
"STROKES player hole strokes" for the caller to find in the saved tournament.

browser_test.py <teebrook> <working folder> <tournament name> [screenshot folder]
Exit 0 passed, 1 failed, 77 no browser (skipped)."""

import os
import re
import shutil
import signal
import subprocess
import sys

SKIP = 77

try:
    from selenium import webdriver
    from selenium.common.exceptions import NoSuchElementException, StaleElementReferenceException, TimeoutException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("SKIP: python3-selenium is not installed")
    sys.exit(SKIP)

CHROMIUM = shutil.which("chromium") or "/usr/bin/chromium"
DRIVER = shutil.which("chromedriver") or "/usr/bin/chromedriver"
WAIT_SECONDS = 30


class Served:
    """teebrook --serve in the working folder, on a port that stays the same across restarts."""

    def __init__(self, program, folder, name):
        self.program, self.folder, self.name = program, folder, name
        self.port, self.codes, self.process = 0, [], None

    def start(self):
        self.process = subprocess.Popen([self.program, "--serve", self.name, "--port", str(self.port)],
                                        cwd=self.folder, stdout=subprocess.PIPE, text=True)
        address = self.process.stdout.readline()
        match = re.match(r"http://[^:]+:(\d+)/", address)
        if not match:
            raise AssertionError("the service printed no address: %r" % address)
        self.port = int(match.group(1))
        self.codes = [self.process.stdout.readline().split()[1]]

    def journal(self):
        path = os.path.join(self.folder, "data", ".gjenoppretting", self.name + ".journal")
        with open(path, encoding="cp1252") as f:
            return [line.split() for line in f if line.startswith("S ")]

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        if self.process.wait(timeout=30) != 0:
            raise AssertionError("the service did not stop cleanly")


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"):
        options.add_argument(argument)
    options.add_experimental_option("mobileEmulation", {
        "deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 2.0},
        "userAgent": "Mozilla/5.0 (Linux; Android 13) Mobile"})
    return webdriver.Chrome(service=Service(DRIVER), options=options)


def wait_for(driver, what, condition):
    try:
        # The page draws its rows anew on every answer, so an element found may go stale.
        return WebDriverWait(driver, WAIT_SECONDS, ignored_exceptions=[
            NoSuchElementException, StaleElementReferenceException]).until(lambda d: condition(d))
    except TimeoutException:
        raise AssertionError("waited %d s for %s" % (WAIT_SECONDS, what))


def press(driver, player, kind):
    def pressed(d):
        d.find_element(By.CSS_SELECTOR, '#rows .row[data-player="%d"] button.%s' % (player, kind)).click()
        return True
    wait_for(driver, "the %s button of player %d" % (kind, player), pressed)


def shown_strokes(driver, player):
    return driver.find_element(By.CSS_SELECTOR, '#rows .row[data-player="%d"] .strokes' % player).text


def waiting(driver):
    return driver.execute_script("return JSON.parse(localStorage.getItem('teebrook.pending.' + state.code) || '[]').length")


class Phone:
    """The marker's page, entering by +/- presses; remembers what each hole should end at."""

    def __init__(self, driver):
        self.driver, self.presses, self.expected = driver, 0, {}

    def enter(self, hole, player, plus, minus=0):
        self.driver.find_element(By.ID, "holeNumber")
        for kind, count in (("plus", plus), ("minus", minus)):
            for _ in range(count):
                before = wait_for(self.driver, "the strokes shown", lambda d: shown_strokes(d, player))
                press(self.driver, player, kind)
                wait_for(self.driver, "the press to show", lambda d: shown_strokes(d, player) != before)
                self.presses += 1
        self.expected[(player, hole)] = int(wait_for(self.driver, "the strokes", lambda d: shown_strokes(d, player)))

    def next_hole(self):
        number = self.driver.find_element(By.ID, "holeNumber").text
        self.driver.find_element(By.ID, "nextHole").click()
        wait_for(self.driver, "the next hole", lambda d: d.find_element(By.ID, "holeNumber").text != number)

    def all_sent(self, what):
        wait_for(self.driver, what, lambda d: waiting(d) == 0 and not d.find_element(By.ID, "waiting").is_displayed())


def run(program, folder, name, shots):
    served = Served(program, folder, name)
    served.start()
    link = "http://127.0.0.1:%d/g/%s" % (served.port, served.codes[0])
    driver = browser()
    try:
        driver.get(link)
        wait_for(driver, "the question who enters", lambda d: d.find_element(By.ID, "roleForm").is_displayed())
        driver.find_element(By.CSS_SELECTOR, '#roleChoices button[data-role="marker"]').click()
        wait_for(driver, "the players' rows", lambda d: d.find_elements(By.CSS_SELECTOR, "#rows .row"))
        phone = Phone(driver)
        phone.enter(1, 1, plus=1)
        phone.enter(1, 2, plus=3, minus=1)
        phone.next_hole()
        phone.enter(2, 1, plus=2)
        phone.enter(2, 2, plus=1)
        phone.all_sent("the first entries to be acknowledged")
        journal = served.journal()

        served.stop()
        phone.next_hole()
        phone.enter(3, 1, plus=1)
        phone.enter(3, 2, plus=2)
        waiting_now = waiting(driver)
        if waiting_now != 3:
            raise AssertionError("%d entries wait while the service is stopped, not 3" % waiting_now)
        wait_for(driver, "the count of waiting entries", lambda d: d.find_element(By.ID, "waiting").text == "3 venter")
        if shots:
            driver.save_screenshot(os.path.join(shots, "mobil_venter.png"))

        served.start()
        driver.refresh()
        wait_for(driver, "the page after the reload", lambda d: d.find_elements(By.CSS_SELECTOR, "#rows .row"))
        phone.all_sent("the waiting entries to be acknowledged after the reload")
        journal += served.journal()
        if shots:
            driver.save_screenshot(os.path.join(shots, "mobil_telefon.png"))
            driver.get("http://127.0.0.1:%d/tavle" % served.port)
            wait_for(driver, "the board", lambda d: d.find_elements(By.CSS_SELECTOR, "#competitions table"))
            driver.save_screenshot(os.path.join(shots, "mobil_tavle.png"))
        served.stop()
    finally:
        driver.quit()
        if served.process.poll() is None:
            served.process.kill()

    seqs = sorted(int(line[6]) for line in journal)
    if seqs != list(range(1, phone.presses + 1)):
        raise AssertionError("journal seqs %s, not each of the %d presses once" % (seqs, phone.presses))
    for (player, hole), strokes in sorted(phone.expected.items()):
        print("STROKES %d %d %d" % (player, hole, strokes))


def main():
    if len(sys.argv) < 4:
        print(__doc__)
        return 1
    if not (os.access(CHROMIUM, os.X_OK) and os.access(DRIVER, os.X_OK)):
        print("SKIP: chromium or chromium-driver is not installed")
        return SKIP
    try:
        run(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4] if len(sys.argv) > 4 else "")
    except AssertionError as problem:
        print("FAILED: %s" % problem)
        return 1
    print("PASSED")
    return 0


if __name__ == "__main__":
    sys.exit(main())
